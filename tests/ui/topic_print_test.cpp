// Printing goes to a PDF file through the print back end, which the poppler
// tools read back: text, fonts, title and pages.
#include "settings/settings.h"
#include "tests/ui/output_fixture.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/topic_view.h"

#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>
#include <filesystem>

namespace zelt::test {
namespace {

std::string TopicList(int bodyLines = 3)
{
    std::string list = DosLines({"Print test list", Divider('D', "21"), "INT 21 - DOS - CALLS"});
    for (int line = 1; line <= bodyLines; ++line)
        list += "line " + std::to_string(line) + " of the DOS entry\r\n";
    return list +
           DosLines({"Return: nothing", "SeeAlso: INT 2F", Divider('B', "10"), "INT 10 - VIDEO"});
}

using Lines = std::vector<std::string>;

Lines NonEmptyLines(const QString& text)
{
    Lines lines;
    for (const QString& line :
         text.split(QRegularExpression(QStringLiteral("[\\n\\f\\x{2029}]")))) {
        if (!line.trimmed().isEmpty())
            lines.push_back(line.trimmed().toStdString());
    }
    return lines;
}

bool HasPixelNear(const QImage& page, const QColor& colour)
{
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                24)
                return true;
        }
    }
    return false;
}

bool OnlyGreys(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            if (pixel.red() != pixel.green() || pixel.green() != pixel.blue())
                return false;
        }
    }
    return true;
}

class TopicPrintTest : public OutputTest {
protected:
    void showPrintTopic(int bodyLines = 3)
    {
        showTopic(writeList("SMALL.LST", TopicList(bodyLines)), 1);
        // The user's printer: A4 paper, writing PDF.
        window().printer().setOutputFileName(pdf());
        window().printer().setPageSize(QPageSize(QPageSize::A4));
    }
    QString pdf() const { return QString::fromStdString(listPath("printed.pdf")); }
    QString pdfText() const { return OutputOf(QStringLiteral("pdftotext"), {pdf(), "-"}); }
    QString pdfFonts() const { return OutputOf(QStringLiteral("pdffonts"), {pdf()}); }
    QString pdfInfo(const QString& field) const
    {
        const QString info = OutputOf(QStringLiteral("pdfinfo"), {pdf()});
        const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                      QRegularExpression::MultilineOption);
        return line.match(info).captured(1).trimmed();
    }
    // The first page as the printer put it on paper.
    QImage firstPage() const
    {
        const QString prefix = QString::fromStdString(listPath("page"));
        OutputOf(QStringLiteral("pdftoppm"),
                 {"-r", "100", "-png", "-f", "1", "-l", "1", pdf(), prefix});
        return QImage(prefix + QStringLiteral("-1.png")).convertToFormat(QImage::Format_RGB32);
    }
    Lines viewLines() const { return NonEmptyLines(view().document()->toRawText()); }
    void print(std::optional<PrintRange> answer)
    {
        m_messages.printAnswers.push_back(answer);
        triggerCommand(CommandId::FilePrint);
    }
};

TEST_F(TopicPrintTest, TheTopicIsPrintedPlainInArialUnderTheWindowCaption)
{
    showPrintTopic();
    window().hints().setHint(QStringLiteral("Loading topic..."));
    print(PrintRange::All);

    EXPECT_EQ(window().hints().hint(), "");
    ASSERT_EQ(m_messages.printRequests.size(), 1u);
    EXPECT_FALSE(m_messages.printRequests[0].selectionOffered);
    EXPECT_EQ(m_messages.printRequests[0].range, PrintRange::All);
    EXPECT_EQ(window().printer().copyCount(), 1);
    ASSERT_TRUE(m_messages.shown.empty()) << m_messages.texts().join(',').toStdString();

    EXPECT_EQ(NonEmptyLines(pdfText()), viewLines()) << "the topic and nothing else";
    EXPECT_EQ(pdfInfo("Title"), "ZELT Viewer - SMALL.LST");
    EXPECT_EQ(pdfInfo("Pages"), "1");
    const QString fonts = pdfFonts();
    EXPECT_TRUE(fonts.contains("LiberationSans") || fonts.contains("Arial")) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains("Bold")) << "no formatting";
    EXPECT_TRUE(OnlyGreys(firstPage())) << "no colours";
}

TEST_F(TopicPrintTest, ASelectionIsPrintedAloneAndItsRangeRemembered)
{
    showPrintTopic();
    select(positionOf("line 2"), positionOf("Return"));
    print(PrintRange::Selection);
    ASSERT_EQ(m_messages.printRequests.size(), 1u);
    EXPECT_TRUE(m_messages.printRequests[0].selectionOffered);
    EXPECT_EQ(m_messages.printRequests[0].range, PrintRange::All) << "all at first";
    EXPECT_EQ(NonEmptyLines(pdfText()),
              Lines({"line 2 of the DOS entry", "line 3 of the DOS entry"}));

    print(std::nullopt);
    ASSERT_EQ(m_messages.printRequests.size(), 2u);
    EXPECT_EQ(m_messages.printRequests[1].range, PrintRange::Selection);

    // Without a selection the dialog cannot offer it and all is printed.
    select(0, 0);
    print(std::nullopt);
    EXPECT_FALSE(m_messages.printRequests[2].selectionOffered);
    EXPECT_EQ(m_messages.printRequests[2].range, PrintRange::All);
}

TEST_F(TopicPrintTest, WysiwygPrintingShowsTheViewsFormattingUnlessASelectionIsPrinted)
{
    showPrintTopic();
    m_run->settings().WYSIWYGPrint = true;
    print(PrintRange::All);
    EXPECT_EQ(NonEmptyLines(pdfText()), viewLines());
    QString fonts = pdfFonts();
    EXPECT_TRUE(fonts.contains("Bold")) << "the title bold: " << fonts.toStdString();
    EXPECT_FALSE(fonts.contains("LiberationSans")) << fonts.toStdString();
    const QImage page = firstPage();
    EXPECT_TRUE(HasPixelNear(page, view().palette().color(QPalette::Active, QPalette::Highlight)))
        << "the title and labels in the highlight colour";
    EXPECT_TRUE(HasPixelNear(page, QColor(0, 128, 128))) << "the reference teal";

    select(positionOf("line 1"), positionOf("line 2"));
    print(PrintRange::Selection);
    EXPECT_EQ(NonEmptyLines(pdfText()), Lines({"line 1 of the DOS entry"}));
    fonts = pdfFonts();
    EXPECT_FALSE(fonts.contains("Bold")) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains("LiberationSans")) << "the editor's own font";
}

TEST_F(TopicPrintTest, WithoutTheDialogTheTopicIsPrintedAtOnceInTheLastRange)
{
    showPrintTopic();
    m_run->settings().ShowPrintDialog = false;
    select(positionOf("line 2"), positionOf("line 3"));
    triggerCommand(CommandId::FilePrint);
    EXPECT_TRUE(m_messages.printRequests.empty());
    EXPECT_EQ(NonEmptyLines(pdfText()), viewLines()) << "all, never having chosen";

    m_run->settings().ShowPrintDialog = true;
    print(PrintRange::Selection);
    std::filesystem::remove(listPath("printed.pdf"));
    m_run->settings().ShowPrintDialog = false;
    triggerCommand(CommandId::FilePrint);
    EXPECT_EQ(m_messages.printRequests.size(), 1u);
    EXPECT_EQ(NonEmptyLines(pdfText()), Lines({"line 2 of the DOS entry"}));
}

TEST_F(TopicPrintTest, ALongTopicGoesOnOnPageTwo)
{
    showPrintTopic(80);
    print(PrintRange::All);
    EXPECT_EQ(pdfInfo("Pages"), "2");
    const QString text = pdfText();
    EXPECT_EQ(NonEmptyLines(text), viewLines()) << "no line lost, no page number added";
    EXPECT_EQ(text.count(u'\f'), 2);
}

TEST_F(TopicPrintTest, APrinterFailureIsReportedCancelIsNot)
{
    showPrintTopic();
    print(std::nullopt);
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(listPath("printed.pdf")));

    window().printer().setOutputFileName(QString::fromStdString(listPath("no/folder/x.pdf")));
    print(PrintRange::All);
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(m_messages.shown[0].text, "Unable to print topic");
}

} // namespace
} // namespace zelt::test
