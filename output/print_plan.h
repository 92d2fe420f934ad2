#pragma once

#include <string_view>

namespace zelt {

// The print range of the print dialog, kept from one print to the next.
enum class PrintRange { All, Selection };

// What goes on paper: the topic view itself with its layout, or plain text in
// the hidden print editor.
enum class PrintSource { TopicView, WholeTextPlain, SelectionPlain };
enum class PrintFont { AsShown, PlainPrintFont, EditorDefault };

struct PrintPlan {
    PrintSource source = PrintSource::WholeTextPlain;
    PrintFont font = PrintFont::PlainPrintFont;

    friend bool operator==(const PrintPlan&, const PrintPlan&) = default;
};

inline constexpr std::string_view PlainPrintFontName = "Arial";
inline constexpr int PlainPrintFontPointSize = 12;
inline constexpr std::string_view UnableToPrintTopicText = "Unable to print topic";

// The range a print uses: a selection range left from an earlier print
// prints the whole text while nothing is selected.
PrintRange EffectivePrintRange(PrintRange remembered, bool hasSelection) noexcept;

// The view is printed as shown only with WYSIWYG printing and the range all;
// otherwise its text goes plain, in the fixed print font or, when WYSIWYG
// printing prints a selection, in the print editor's own font.
PrintPlan PlanPrint(bool wysiwygPrint, PrintRange range) noexcept;

} // namespace zelt
