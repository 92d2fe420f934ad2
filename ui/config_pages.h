#pragma once

#include "app/configuration.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace zelt {

class MessageBoxes;

// The four pages of the configuration dialog. Each fills its controls from
// the dialog's values and gives them back. They declare no signals, so they
// do without the meta-object compiler.

class ConfigStartupPage final : public QWidget {
public:
    ConfigStartupPage(MessageBoxes& messages, QWidget* parent);
    void load(const ConfigControls& controls);
    void save(ConfigControls& controls) const;

private:
    StartupChoice startupChoice() const;
    void updateEnabling();
    void browseFolder();
    void browseList();

    MessageBoxes& m_messages;
    QLineEdit* m_defStartupDir = nullptr;
    QToolButton* m_browseFolder = nullptr;
    QRadioButton* m_none = nullptr;
    QRadioButton* m_last = nullptr;
    QRadioButton* m_custom = nullptr;
    QLineEdit* m_defStartupList = nullptr;
    QToolButton* m_browseList = nullptr;
};

class ConfigSettingsPage final : public QWidget {
public:
    explicit ConfigSettingsPage(QWidget* parent);
    void load(const ConfigControls& controls);
    void save(ConfigControls& controls) const;

private:
    QCheckBox* m_askExit = nullptr;
    QCheckBox* m_showPrintDialog = nullptr;
    QCheckBox* m_displayAllLists = nullptr;
    QCheckBox* m_singleClickView = nullptr;
    QCheckBox* m_doubleClickZoom = nullptr;
    QCheckBox* m_enableSeeAlsoMenu = nullptr;
};

class ConfigLayoutPage final : public QWidget {
public:
    ConfigLayoutPage(MessageBoxes& messages, QWidget* parent);
    void load(const ConfigControls& controls);
    void save(ConfigControls& controls) const;

private:
    void chooseFont();

    MessageBoxes& m_messages;
    TopicFont m_chosenFont;
    QCheckBox* m_topicFormatting = nullptr;
    QCheckBox* m_showCategoryChar = nullptr;
    QCheckBox* m_defFont = nullptr;
    QToolButton* m_fontButton = nullptr;
    QRadioButton* m_wysiwyg = nullptr;
    QRadioButton* m_noWysiwyg = nullptr;
};

class ConfigAdvancedPage final : public QWidget {
public:
    explicit ConfigAdvancedPage(QWidget* parent);
    void load(const ConfigControls& controls);
    void save(ConfigControls& controls) const;

private:
    QRadioButton* m_useAndUpdate = nullptr;
    QRadioButton* m_useExisting = nullptr;
    QRadioButton* m_dontUse = nullptr;
    QCheckBox* m_onlyParseLst = nullptr;
};

} // namespace zelt
