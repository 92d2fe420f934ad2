#pragma once

#include "tools/formatter_batch.h"
#include "ui/tool_dialog.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace zelt {

// Run Intprint.com: the formatter's switches, its parameter and whether to
// wait for a key at the end. Created for one use; the main window writes and
// starts the batch file.
class TFormRunIntprintcom final : public ToolDialog {
    Q_OBJECT

public:
    // parameter: what EditParam starts with.
    TFormRunIntprintcom(const QString& parameter, QWidget* parent);

    FormatterRun formatterRun() const;

private:
    void buttonRunClick();

    QComboBox* m_editParam = nullptr;
    QCheckBox* m_checkBoxKeepPrompt = nullptr;
    QListWidget* m_checkListBoxOptions = nullptr;
};

} // namespace zelt
