#include "ui/help_browser.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>

namespace zelt {

namespace {

// What every resource a topic names stands for: a small grey square. It has
// to be an image that is not empty, or Qt loads the image's file itself.
QVariant NoResource()
{
    QImage placeholder(16, 16, QImage::Format_RGB32);
    placeholder.fill(Qt::lightGray);
    return placeholder;
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setUndoRedoEnabled(false);
    document()->setResourceProvider([](const QUrl&) { return NoResource(); });
}

void HelpBrowser::showMarkdown(const QString& markdown)
{
    QTextCursor edit(document());
    edit.beginEditBlock();
    document()->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    edit.endEditBlock();
}

QVariant HelpBrowser::loadResource(int, const QUrl&)
{
    return NoResource();
}

} // namespace zelt
