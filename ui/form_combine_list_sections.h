#pragma once

#include "tools/section_combiner.h"
#include "ui/tool_dialog.h"

class QCheckBox;
class QPushButton;

namespace zelt {

// Which lists the folder has first sections of, when the dialog is shown.
struct SectionsPresent {
    bool interrup = false;
    bool ports = false;
};

// Combine list sections: which lists to join and whether to delete their
// sections afterwards. Created for one use; the main window does the work.
class TFormCombineListSections final : public ToolDialog {
    Q_OBJECT

public:
    TFormCombineListSections(SectionsPresent present, QWidget* parent);

    CombineChoice choice() const;

private:
    void checkBoxListClick();
    void buttonOkClick();

    QCheckBox* m_checkBoxIL = nullptr;
    QCheckBox* m_checkBoxPL = nullptr;
    QCheckBox* m_checkBoxDelete = nullptr;
    QPushButton* m_buttonOk = nullptr;
};

} // namespace zelt
