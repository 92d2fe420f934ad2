#pragma once

#include <QTextBrowser>

namespace zelt {

// The text browser of the help window and popups. It loads no resource: an
// image a topic names, whatever its path, shows as a grey square, and a style
// sheet is ignored, so no file, device or pipe is ever opened for them.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The document becomes the Markdown's rendering, built in one edit: Qt's
    // importer would otherwise lay out the paragraph again after every piece
    // it adds, which takes minutes for a long paragraph.
    void showMarkdown(const QString& markdown);

    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace zelt
