#include "samples/generator/list_generator.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>

namespace zelt::samples {
namespace {

constexpr std::size_t kDividerWidth = 60;
constexpr std::size_t kLineWidth = 72;
constexpr std::string_view kEol = "\r\n";

// splitmix64: small, fast, and the same sequence everywhere, which the standard
// distributions do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state_(seed)
    {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }

    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items)
    {
        return items[Below(static_cast<std::uint32_t>(N))];
    }

private:
    std::uint64_t state_;
};

constexpr std::string_view kCategories = "ABCDEFGHIJKMNOPQRSTUVWXabcdefghijklmnoprstuvxy*";

constexpr std::array<std::string_view, 16> kVendors = {
    "DOS 2+",          "DOS 3.3+",       "BIOS",
    "VIDEO",           "DISK",           "KEYBOARD",
    "network shell",   "memory manager", "task switcher",
    "DOS extender",    "disk cache",     "sound driver",
    "resident editor", "mouse driver",   "print spooler",
    "power manager"};

constexpr std::array<std::string_view, 16> kActions = {
    "GET",    "SET",   "READ",   "WRITE",   "QUERY",   "ALLOCATE",  "FREE", "LOCK",
    "UNLOCK", "RESET", "ENABLE", "DISABLE", "INSTALL", "UNINSTALL", "MAP",  "FLUSH"};

constexpr std::array<std::string_view, 16> kObjects = {
    "BUFFER SIZE",   "DEVICE STATUS", "VERSION NUMBER", "ENTRY POINT",
    "HANDLE TABLE",  "PAGE FRAME",    "CURSOR SHAPE",   "TIMER RATE",
    "CALLBACK",      "DRIVE MAP",     "CODE PAGE",      "HOT KEY",
    "PALETTE ENTRY", "QUEUE LENGTH",  "MEMORY BLOCK",   "INSTALLATION STATE"};

constexpr std::array<std::string_view, 12> kParameters = {
    "CX = number of bytes",      "DS:DX -> buffer for the result",
    "ES:DI -> request block",    "DX = drive number (00h = A:)",
    "BL = subfunction",          "CX:DX = 32-bit count",
    "DS:SI -> ASCIZ name",       "BH = page number",
    "CL = flags (see below)",    "DX = port number",
    "ES:BX -> callback routine", "SI = handle"};

constexpr std::array<std::string_view, 8> kReturns = {"CF clear if successful",
                                                      "AL = 00h if successful, FFh on error",
                                                      "AX = status code",
                                                      "nothing",
                                                      "ES:BX -> data structure",
                                                      "CX = count returned",
                                                      "ZF set if nothing is pending",
                                                      "AX = version (AH = major, AL = minor)"};

constexpr std::array<std::string_view, 40> kWords = {
    "the",     "call",    "returns",   "when",    "buffer", "is",       "driver",  "a",
    "value",   "of",      "in",        "handler", "must",   "not",      "be",      "called",
    "from",    "an",      "interrupt", "memory",  "block",  "register", "program", "resident",
    "version", "older",   "machines",  "may",     "ignore", "this",     "flag",    "and",
    "keep",    "current", "state",     "until",   "next",   "reset",    "without", "warning"};

void AppendHex(std::string& out, std::uint64_t value, int digits)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out += kHex[(value >> shift) & 0xF];
    }
}

void AppendDecimal(std::string& out, std::uint64_t value, int minDigits)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count < minDigits) {
        digits[count++] = '0';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

enum class Form { Bare, Ah, Al, Ax, AxBx, AxDx };

// One interrupt function; the identifier and every reference are built from it.
struct Function {
    Form form = Form::Ax;
    std::uint32_t interrupt = 0;
    std::uint32_t value = 0; // AH, AL or AX
    std::uint32_t extra = 0; // BX or DX
};

// Hands out functions whose identifiers never repeat: each form numbers its own
// functions, and multiplying by an odd constant modulo 2^bits is a bijection.
class FunctionSource {
public:
    explicit FunctionSource(std::uint32_t seed)
        : offset_(seed * 0x2545F491ull)
    {}

    Function Next(Random& random)
    {
        const std::uint32_t roll = random.Below(100);
        if (roll < 2 && used_[0] < 256) {
            return Make(Form::Bare, 8, used_[0]++);
        }
        if (roll < 40 && used_[1] < 65536) {
            return Make(Form::Ah, 16, used_[1]++);
        }
        if (roll < 45 && used_[2] < 65536) {
            return Make(Form::Al, 16, used_[2]++);
        }
        if (roll < 85 && used_[3] < (1u << 24)) {
            return Make(Form::Ax, 24, used_[3]++);
        }
        if (roll < 93) {
            return Make(Form::AxDx, 40, used_[4]++);
        }
        return Make(Form::AxBx, 40, used_[5]++);
    }

private:
    Function Make(Form form, int bits, std::uint64_t index) const
    {
        const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
        const std::uint64_t code = (index * 0x9E3779B1ull + offset_) & mask;
        Function f;
        f.form = form;
        f.interrupt = static_cast<std::uint32_t>(code & 0xFF);
        f.value = static_cast<std::uint32_t>((code >> 8) & 0xFFFF);
        f.extra = static_cast<std::uint32_t>((code >> 24) & 0xFFFF);
        return f;
    }

    std::uint64_t offset_;
    std::array<std::uint64_t, 6> used_{};
};

void AppendIdentifier(std::string& out, const Function& f)
{
    AppendHex(out, f.interrupt, 2);
    switch (f.form) {
    case Form::Bare:
        break;
    case Form::Ah:
        AppendHex(out, f.value & 0xFF, 2);
        break;
    case Form::Al:
        out += "--";
        AppendHex(out, f.value & 0xFF, 2);
        break;
    case Form::Ax:
        AppendHex(out, f.value, 4);
        break;
    case Form::AxBx:
    case Form::AxDx:
        AppendHex(out, f.value, 4);
        out += f.form == Form::AxBx ? "BX" : "DX";
        AppendHex(out, f.extra, 4);
        break;
    }
}

// The register part of a reference, e.g. "AX=4B00h/BX=0021h"; empty for a bare interrupt.
void AppendRegisters(std::string& out, const Function& f)
{
    switch (f.form) {
    case Form::Bare:
        return;
    case Form::Ah:
        out += "AH=";
        AppendHex(out, f.value & 0xFF, 2);
        break;
    case Form::Al:
        out += "AL=";
        AppendHex(out, f.value & 0xFF, 2);
        break;
    case Form::Ax:
    case Form::AxBx:
    case Form::AxDx:
        out += "AX=";
        AppendHex(out, f.value, 4);
        break;
    }
    out += 'h';
    if (f.form == Form::AxBx || f.form == Form::AxDx) {
        out += f.form == Form::AxBx ? "/BX=" : "/DX=";
        AppendHex(out, f.extra, 4);
        out += 'h';
    }
}

void AppendReference(std::string& out, const Function& target, const Function& current)
{
    if (target.form != Form::Bare && target.interrupt == current.interrupt) {
        AppendRegisters(out, target);
        return;
    }
    out += "INT ";
    AppendHex(out, target.interrupt, 2);
    if (target.form != Form::Bare) {
        out += '/';
        AppendRegisters(out, target);
    }
}

void AppendRegisterLines(std::string& out, const Function& f)
{
    out += '\t';
    switch (f.form) {
    case Form::Bare:
        out += "AX = function number";
        break;
    case Form::Ah:
        out += "AH = ";
        AppendHex(out, f.value & 0xFF, 2);
        out += 'h';
        break;
    case Form::Al:
        out += "AL = ";
        AppendHex(out, f.value & 0xFF, 2);
        out += 'h';
        break;
    case Form::Ax:
    case Form::AxBx:
    case Form::AxDx:
        out += "AX = ";
        AppendHex(out, f.value, 4);
        out += 'h';
        if (f.form != Form::Ax) {
            out += kEol;
            out += f.form == Form::AxBx ? "\tBX = " : "\tDX = ";
            AppendHex(out, f.extra, 4);
            out += 'h';
        }
        break;
    }
    out += kEol;
}

class ListWriter {
public:
    explicit ListWriter(const GeneratorOptions& options)
        : options_(options)
        , random_(options.seed)
        , functions_(options.seed)
    {}

    std::string Build()
    {
        out_.reserve(options_.topicCount * (options_.averageTopicBytes + 16) + 1024);
        AppendListInformation();
        for (std::size_t i = 0; i < options_.topicCount; ++i) {
            AppendTopic();
        }
        return std::move(out_);
    }

private:
    void AppendListInformation()
    {
        out_ += "ZELT Viewer generated list - synthetic interrupt entries";
        out_ += kEol;
        out_ += "=========================================================";
        out_ += kEol;
        out_ += kEol;
        out_ += "This list was made by zelt-genlist to test the ZELT Viewer with large";
        out_ += kEol;
        out_ += "inputs.  Its entries are random and describe nothing real.";
        out_ += kEol;
        out_ += "Topics: ";
        AppendDecimal(out_, options_.topicCount, 1);
        out_ += "  Seed: ";
        AppendDecimal(out_, options_.seed, 1);
        out_ += "  Average topic size: ";
        AppendDecimal(out_, options_.averageTopicBytes, 1);
        out_ += " bytes";
        out_ += kEol;
        out_ += kEol;
        out_ += "Copyright (c) 2026 Vantrel sample data, free to redistribute.";
        out_ += kEol;
        out_ += kEol;
    }

    void AppendTopic()
    {
        const std::size_t start = out_.size();
        const Function f = functions_.Next(random_);
        const std::size_t average = options_.averageTopicBytes;
        const std::size_t target = average / 2 + random_.Next() % (average + 1);

        AppendDivider(f);
        AppendTitle(f);
        AppendRegisterLines(out_, f);
        const std::uint32_t parameters = random_.Below(3);
        for (std::uint32_t i = 0; i < parameters; ++i) {
            out_ += '\t';
            out_ += random_.Pick(kParameters);
            AppendRunningTableNumber();
            out_ += kEol;
        }
        out_ += "Return:\t";
        out_ += random_.Pick(kReturns);
        AppendRunningTableNumber();
        out_ += kEol;
        if (random_.Below(options_.realTableDensity ? 2 : 8) == 0) {
            AppendTable();
        }

        std::string seeAlso = BuildSeeAlso(f);
        const std::size_t fixed = seeAlso.size() + kEol.size() + kEol.size();
        const std::size_t used = out_.size() - start;
        if (used + fixed < target) {
            AppendNotes(target - used - fixed);
        }
        out_ += seeAlso;
        out_ += kEol;
        out_ += kEol;
        Remember(f);
    }

    void AppendDivider(const Function& f)
    {
        const std::size_t lineStart = out_.size();
        out_ += "--------";
        out_ += kCategories[random_.Below(static_cast<std::uint32_t>(kCategories.size()))];
        out_ += '-';
        AppendIdentifier(out_, f);
        out_.append(kDividerWidth - (out_.size() - lineStart), '-');
        out_ += kEol;
    }

    void AppendTitle(const Function& f)
    {
        out_ += "INT ";
        AppendHex(out_, f.interrupt, 2);
        out_ += " - ";
        out_ += random_.Pick(kVendors);
        out_ += " - ";
        out_ += random_.Pick(kActions);
        out_ += ' ';
        out_ += random_.Pick(kObjects);
        out_ += kEol;
    }

    void AppendTable()
    {
        out_ += kEol;
        out_ += "(Table ";
        AppendDecimal(out_, ++tables_, 5);
        out_ += ')';
        out_ += kEol;
        out_ += "Values for status code:";
        out_ += kEol;
        const std::uint32_t rows = 2 + random_.Below(5);
        for (std::uint32_t row = 0; row < rows; ++row) {
            out_ += ' ';
            AppendHex(out_, row, 2);
            out_ += "h\t";
            out_ += random_.Pick(kObjects);
            out_ += kEol;
        }
    }

    // A table number in running text, to a table defined so far.
    void AppendRunningTableNumber()
    {
        if (!options_.realTableDensity || tables_ == 0 || random_.Below(2) == 0) {
            return;
        }
        out_ += " (see #";
        AppendDecimal(out_, 1 + random_.Below(tables_), 5);
        out_ += ')';
    }

    // Fills about `budget` bytes with note lines so that topics reach their target size.
    void AppendNotes(std::size_t budget)
    {
        std::string_view prefix = "Notes:\t";
        while (budget >= prefix.size() + kEol.size() + 16) {
            const std::size_t lineStart = out_.size();
            const std::size_t limit = std::min(kLineWidth, budget - kEol.size());
            out_ += prefix;
            bool first = true;
            for (;;) {
                const std::string_view word = random_.Pick(kWords);
                if (out_.size() - lineStart + word.size() + 1 > limit) {
                    break;
                }
                if (!first) {
                    out_ += ' ';
                }
                out_ += word;
                first = false;
            }
            out_ += kEol;
            budget -= std::min(budget, out_.size() - lineStart);
            prefix = "\t  ";
        }
    }

    std::string BuildSeeAlso(const Function& current)
    {
        std::array<std::string, 4> refs;
        std::size_t count = 0;
        const std::uint32_t wanted = 1 + random_.Below(4);
        for (std::uint32_t i = 0; i < wanted; ++i) {
            std::string ref = BuildReference(current);
            if (std::find(refs.begin(), refs.begin() + count, ref) == refs.begin() + count) {
                refs[count++] = std::move(ref);
            }
        }
        std::string line = "SeeAlso: ";
        for (std::size_t i = 0; i < count; ++i) {
            if (i != 0) {
                line += ',';
            }
            line += refs[i];
        }
        return line;
    }

    std::string BuildReference(const Function& current)
    {
        std::string ref;
        const std::uint32_t kind = random_.Below(10);
        if (kind < 6 && remembered_ != 0) {
            const std::size_t slots = std::min<std::size_t>(remembered_, recent_.size());
            AppendReference(ref, recent_[random_.Below(static_cast<std::uint32_t>(slots))],
                            current);
        } else if (kind < 7 && tables_ != 0) {
            ref += '#';
            AppendDecimal(ref, 1 + random_.Below(tables_), 5);
        } else if (kind < 8) {
            ref += "PORT ";
            AppendHex(ref, random_.Below(0x400), 4);
            ref += 'h';
        } else {
            // Usually names a function that no topic describes.
            ref += "INT ";
            AppendHex(ref, random_.Below(256), 2);
            ref += "/AX=";
            AppendHex(ref, random_.Below(65536), 4);
            ref += 'h';
        }
        return ref;
    }

    void Remember(const Function& f) { recent_[remembered_++ % recent_.size()] = f; }

    const GeneratorOptions& options_;
    Random random_;
    FunctionSource functions_;
    std::string out_;
    std::array<Function, 64> recent_{};
    std::size_t remembered_ = 0;
    std::uint32_t tables_ = 0;
};

} // namespace

std::string GenerateList(const GeneratorOptions& options)
{
    return ListWriter(options).Build();
}

bool WriteGeneratedList(const std::string& path, const GeneratorOptions& options)
{
    const std::string data = GenerateList(options);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file.write(data.data(), static_cast<std::streamsize>(data.size()));
    file.close();
    return !file.fail();
}

} // namespace zelt::samples
