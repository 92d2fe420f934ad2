#pragma once

#include "base/program_version.h"

#include <QDialog>

class QLabel;
class QPixmap;
class QPushButton;

namespace zelt {

// The About box: the program's picture with its version and copyright line,
// made for one showing. Sizes are pixels of the design, not scaled.
class TFormAbout final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 320;
    static constexpr int ClientHeight = 207;

    TFormAbout(const ProgramVersion& version, QWidget* parent);

    QLabel* versionLabel() const { return m_version; }
    QLabel* copyrightLabel() const { return m_copyright; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_version = nullptr;
    QLabel* m_copyright = nullptr;
};

// The 300 x 150 picture, drawn by the program.
QPixmap AboutPicture();

} // namespace zelt
