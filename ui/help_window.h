#pragma once

#include "help/help_history.h"
#include "ui/help_browser.h"
#include "ui/help_popup.h"
#include "ui/help_viewer.h"

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>

class QAction;
class QUrl;

namespace zelt {

// The help window: one topic of the help file at a time, rendered from its
// Markdown, with Contents, Back and Forward. The file is read anew for every
// topic shown, so a file removed meanwhile is reported in the window.
class HelpWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(std::filesystem::path helpFile, QWidget* parent = nullptr);

    void showTopic(int context);
    std::optional<int> currentTopic() const { return m_history.current(); }
    HelpBrowser* browser() const { return m_browser; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }
    QAction* contentsAction() const { return m_contents; }

private:
    void display(int context);
    void linkClicked(const QUrl& link);
    void updateActions();

    std::filesystem::path m_helpFile;
    HelpHistory m_history;
    HelpBrowser* m_browser = nullptr;
    QAction* m_contents = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
};

// The program's own viewer: the help window, made when first needed, and
// popups of the same topics, whose links open the help window.
class HelpWindowViewer final : public HelpViewer {
public:
    explicit HelpWindowViewer(std::filesystem::path helpFile);
    ~HelpWindowViewer() override;

    void showTopic(int context) override;
    void showPopup(int context, const QPoint& globalPosition) override;
    HelpWindow* window() const { return m_window.get(); }
    HelpPopup* popup() const { return m_popup; }

private:
    std::filesystem::path m_helpFile;
    std::unique_ptr<HelpWindow> m_window;
    QPointer<HelpPopup> m_popup;
};

// A topic, or the reason it cannot be shown, as Markdown for the window
// (title as heading) and for popups (title in bold).
struct HelpPage {
    QString title;
    QString markdown;
    bool found = false;
};
HelpPage LoadHelpPage(const std::filesystem::path& helpFile, int context);
QString HelpPopupMarkdown(const HelpPage& page);

} // namespace zelt
