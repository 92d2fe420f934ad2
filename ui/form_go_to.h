#pragma once

#include "search/find_state.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace zelt {

// The Go To dialog: one reference typed as the lists write it, with the
// references gone to before in its drop-down list. One instance lives as long
// as the main window, so its history carries over from one use to the next.
class TFormGoTo final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 324;
    static constexpr int ClientHeight = 92;

    explicit TFormGoTo(QWidget* parent);

    QString reference() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClick();

    FindHistory m_history;
    QComboBox* m_reference = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace zelt
