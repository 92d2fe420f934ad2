#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QIcon;
class QRadioButton;
class QToolButton;
class QWidget;

namespace zelt {

// The controls of the configuration pages, named and numbered for help (0:
// none of its own).
QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption, int help);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, int help);
QRadioButton* MakeRadioButton(QWidget* parent, const char* name, const QString& caption, int help);
QToolButton* MakeFlatButton(QWidget* parent, const char* name, const QIcon& glyph,
                            const QString& tooltip);

} // namespace zelt
