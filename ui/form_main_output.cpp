#include "app/command_state.h"
#include "output/save_topic.h"
#include "output/saved_file_name.h"
#include "settings/settings.h"
#include "ui/command_updater.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/status_bar_panels.h"
#include "ui/topic_printer.h"
#include "ui/topic_view.h"

#include <QDir>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

namespace zelt {

namespace {

const QString SaveTopicTitle = QStringLiteral("Save topic");

} // namespace

QPrinter& TFormMain::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setCopyCount(1);
    }
    return *m_printer;
}

void TFormMain::fileSaveCmdExecute()
{
    m_hints->setHint(QString());
    m_status->repaint();
    SaveFileRequest request;
    request.title = SaveTopicTitle;
    request.filters = {QStringLiteral("Textfiles (*.txt)"), QStringLiteral("All files (*.*)")};
    request.fileName = FromCp437(
        PresetTopicFileName(m_list.view.currentTopicIdentifier, m_list.view.currentTopicNumber));
    const auto chosen = m_messages.chooseFileToSave(request);
    if (!chosen)
        return;
    const TopicView& view = topicView();
    if (SaveTopic(ToUtf8(*chosen), view.topicDocument(), view.outputStyle(), openListFiles()))
        m_messages.error(FromUtf8(CannotCreateFileText(ToUtf8(QDir::toNativeSeparators(*chosen)))));
}

void TFormMain::filePrintCmdExecute()
{
    m_hints->setHint(QString());
    m_status->repaint();
    bool printed = false;
    try {
        const bool hasSelection = topicView().textCursor().hasSelection();
        if (m_settings.ShowPrintDialog) {
            const auto chosen = m_messages.showPrintDialog(
                printer(), {hasSelection, EffectivePrintRange(m_printRange, hasSelection)});
            if (!chosen)
                return;
            m_printRange = *chosen;
        }
        printed = printTopic(EffectivePrintRange(m_printRange, hasSelection));
    } catch (const std::exception&) {
        printed = false;
    }
    if (!printed)
        m_messages.inform(FromUtf8(UnableToPrintTopicText));
}

bool TFormMain::printTopic(PrintRange range)
{
    QPrinter& target = printer();
    target.setDocName(windowTitle());
    const PrintPlan plan = PlanPrint(m_settings.WYSIWYGPrint, range);
    const TopicView& view = topicView();
    if (plan.source == PrintSource::TopicView) {
        const std::unique_ptr<QTextDocument> shown(view.document()->clone());
        return PrintDocument(*shown, target);
    }
    QString text = plan.source == PrintSource::SelectionPlain ? view.textCursor().selectedText()
                                                              : view.document()->toRawText();
    m_printEditor->clear();
    QFont editorFont = font();
    if (plan.font == PrintFont::PlainPrintFont) {
        editorFont = QFont(FromUtf8(PlainPrintFontName));
        editorFont.setPointSize(PlainPrintFontPointSize);
    }
    m_printEditor->setDefaultFont(editorFont);
    m_printEditor->setPlainText(text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    const bool printed = PrintDocument(*m_printEditor, target);
    // The editor holds the text only while it is printed.
    m_printEditor->clear();
    return printed;
}

void TFormMain::editSelectAllCmdExecute()
{
    TopicView& view = topicView();
    // The command's check mark has already flipped with the trigger; the rule
    // says whether the whole text was selected.
    if (EvaluateCommands(commandState()).editSelectAllChecked) {
        QTextCursor cursor = view.textCursor();
        cursor.setPosition(cursor.selectionStart());
        view.setTextCursor(cursor);
    } else {
        view.selectAll();
    }
    m_updater->updateNow();
}

} // namespace zelt
