#include "cli/command.h"

#include "base/version.h"
#include "cli/categories_command.h"
#include "cli/combine_command.h"
#include "cli/escaped_cell.h"
#include "cli/find_command.h"
#include "cli/goto_command.h"
#include "cli/grep_command.h"
#include "cli/refs_command.h"
#include "cli/save_command.h"
#include "cli/show_command.h"
#include "cli/spans_command.h"
#include "cli/topics_command.h"

namespace zelt::cli {

namespace {

constexpr char HelpText[] =
    "zelt - the ZELT Viewer companion for terminals and scripts\n"
    "\n"
    "usage: zelt VERB [OPTIONS] LIST\n"
    "\n"
    "verbs:\n"
    "  topics [--scan] [--no-write] LIST\n"
    "      Opens LIST as the viewer does (from its index file when that is current,\n"
    "      otherwise by scanning it and writing the index file) and prints one line\n"
    "      per topic: number, category, start, length, identifier and title,\n"
    "      separated by TAB. Texts are code page 437 written as UTF-8; a backslash\n"
    "      is doubled and control bytes are written as \\xNN.\n"
    "      --scan      always scan; never read or write the index file\n"
    "      --no-write  never write the index file\n"
    "\n"
    "  categories [--catdesc FILE] LIST\n"
    "      Prints the entries of the viewer's category box in their order: the\n"
    "      category character, TAB, then the rest of the entry (a blank and the\n"
    "      description), escaped as by topics. The descriptions are the built-in\n"
    "      ones, or the lines of FILE written like CATDESC.INI.\n"
    "\n"
    "  show LIST N\n"
    "      Prints the text of topic N (numbered as by topics) as the viewer shows\n"
    "      it: code page 437 written as UTF-8, every line end (CR LF, a lone CR or\n"
    "      a lone LF) as one LF, tabs as tabs, other control bytes as the symbols\n"
    "      code page 437 draws for them; a zero byte ends the text.\n"
    "\n"
    "  spans LIST\n"
    "      Prints the formatting of every topic as the viewer applies it with the\n"
    "      default settings: one line per span with topic number, kind (title,\n"
    "      label, link or ref), start and length, separated by TAB. Positions count\n"
    "      the characters of the shown text, each line end as one.\n"
    "\n"
    "  save LIST N FILE\n"
    "      Writes topic N (numbered as by topics) to FILE as the viewer's Save\n"
    "      Topic does under the default settings: when the name of FILE ends in\n"
    "      .txt (in any letter case), the text with every line ending in CR LF, in\n"
    "      code page 437 as in the list; otherwise rich text format with the view's\n"
    "      font, bold title, underlined labels and coloured references. FILE is\n"
    "      replaced only once the whole topic is written; a read-only FILE, LIST\n"
    "      itself under any name and anything but a regular file stay as they are.\n"
    "\n"
    "  combine [--delete] DIR [PORTS|INTERRUP...]\n"
    "      Joins the numbered sections of the port and interrupt lists in the lists\n"
    "      folder DIR (PORTS.A, PORTS.B, ... up to the first missing letter) byte\n"
    "      for byte into PORTS.LST and INTERRUP.LST, as the viewer's Combine List\n"
    "      Sections does: by default both lists that have an A section, PORTS\n"
    "      first. Prints one line per list: the file written, the number of\n"
    "      sections and of bytes. The old list file is replaced only once every\n"
    "      section was read; a failure leaves it and every section as they were.\n"
    "      --delete  delete the sections once their list file is written\n"
    "\n"
    "  refs [--broken] LIST\n"
    "      Follows every see-also reference of every topic as the viewer does with\n"
    "      the default settings and prints one line per reference: topic number,\n"
    "      reference, linkable (1 or 0), outcome (ignored, unrecognised, found,\n"
    "      found-without-fragment, not-found, or - when it is no link), identifier\n"
    "      prefix, title fragment and target topic (-1 when none), separated by TAB.\n"
    "      --broken  only the links that lead nowhere: topic number, identifier,\n"
    "                reference and outcome\n"
    "\n"
    "  refs --anywhere [--broken] LIST\n"
    "      Resolves every reference of every topic wherever it leads: each\n"
    "      reference of the see-also lines and, in the other lines, each table\n"
    "      number (#01234, #P0123), in text order. One line each: topic number,\n"
    "      reference, target list (- when none), target topic (-1 when none) and\n"
    "      outcome (found, found-without-fragment, not-found, no-list or\n"
    "      unrecognised), separated by TAB. Other lists are looked for in the\n"
    "      folder of LIST, in any letter case, and read as opening them would.\n"
    "      --broken  only those that lead nowhere\n"
    "\n"
    "  goto [--topic N] LIST REF...\n"
    "      Resolves each REF as a reference read in LIST (in its topic N, for\n"
    "      references such as AH=4Ch) and prints one line each: reference, target\n"
    "      list, target topic and outcome, as refs --anywhere does. Exit status 0\n"
    "      when every REF was found, 1 otherwise, 2 on bad arguments.\n"
    "\n"
    "  find [--case] [--words] [--category C] LIST TEXT\n"
    "      Prints the topics that Find and then Search Again select one by one,\n"
    "      searching the topic lines (identifier, blank, title) of all topics, or\n"
    "      with --category those of category C (a character or its code): topic\n"
    "      number, TAB, topic line. TEXT is matched as code page 437 bytes; only\n"
    "      ASCII letters change case. Exit status 0 with hits, 1 without, 2 on error.\n"
    "      --case   case sensitive\n"
    "      --words  whole words only (letters, digits and codes 192 to 255)\n"
    "\n"
    "  grep [--case] [--words] TEXT LIST...\n"
    "      Searches the text of every topic of each LIST, in the order given, and\n"
    "      prints one line per line of a topic's text that holds TEXT: LIST as\n"
    "      given, topic number, line number (from 1, the title line), column (from\n"
    "      0), the topic's identifier and the whole line, separated by TAB and\n"
    "      escaped as by topics. TEXT, options and exit status as for find; the\n"
    "      status is 2 also when any LIST cannot be read.\n"
    "\n"
    "  --help     this text\n"
    "  --version  the program version\n";

} // namespace

int RunZelt(std::span<const std::string_view> args, Streams streams)
{
    if (args.empty()) {
        std::fputs(HelpText, streams.err);
        return ExitUsage;
    }
    const std::string_view verb = args.front();
    const auto rest = args.subspan(1);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::fputs(HelpText, streams.out);
        return ExitSuccess;
    }
    if (verb == "--version") {
        std::fprintf(streams.out, "zelt %s\n", build::VersionText);
        return ExitSuccess;
    }
    if (verb == "topics")
        return RunTopics(rest, streams);
    if (verb == "categories")
        return RunCategories(rest, streams);
    if (verb == "show")
        return RunShow(rest, streams);
    if (verb == "spans")
        return RunSpans(rest, streams);
    if (verb == "save")
        return RunSave(rest, streams);
    if (verb == "combine")
        return RunCombine(rest, streams);
    if (verb == "refs")
        return RunRefs(rest, streams);
    if (verb == "find")
        return RunFind(rest, streams);
    if (verb == "grep")
        return RunGrep(rest, streams);
    if (verb == "goto")
        return RunGoto(rest, streams);
    std::fprintf(streams.err, "zelt: unknown verb '%s' (see zelt --help)\n",
                 EscapedName(verb).c_str());
    return ExitUsage;
}

} // namespace zelt::cli
