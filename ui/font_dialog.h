#pragma once

#include "ui/message_boxes.h"

#include <QDialog>

class QFontComboBox;
class QLabel;
class QSpinBox;

namespace zelt {

// The topic font's dialog: the installed fonts of the Latin script, fixed
// and proportional, in sizes of 5 to 20 points, with a sample in the list's
// own character set.
class FontDialog final : public QDialog {
    Q_OBJECT

public:
    FontDialog(const FontChoice& current, QWidget* parent);

    // The family as given when the user kept the one shown for it, so that
    // confirming keeps a substituted name such as "Courier New".
    FontChoice choice() const;

    QFontComboBox* familyBox() const { return m_family; }
    QSpinBox* sizeBox() const { return m_size; }
    QLabel* sample() const { return m_sample; }

private:
    void updateSample();

    QString m_givenFamily;
    QString m_shownForGiven;
    QFontComboBox* m_family = nullptr;
    QSpinBox* m_size = nullptr;
    QLabel* m_sample = nullptr;
};

// Box-drawing corners, lines and shades, letters and digits, as the list's
// tables use them.
QString FontSampleText();

} // namespace zelt
