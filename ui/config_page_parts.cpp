#include "ui/config_page_parts.h"

#include "ui/context_help.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

namespace zelt {

namespace {

template <typename Control>
Control* Named(Control* control, const char* name, int help)
{
    control->setObjectName(QString::fromLatin1(name));
    if (help != 0)
        SetHelpContext(*control, help);
    return control;
}

} // namespace

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption, int help)
{
    return Named(new QGroupBox(caption, parent), name, help);
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, int help)
{
    return Named(new QCheckBox(caption, parent), name, help);
}

QRadioButton* MakeRadioButton(QWidget* parent, const char* name, const QString& caption, int help)
{
    return Named(new QRadioButton(caption, parent), name, help);
}

QToolButton* MakeFlatButton(QWidget* parent, const char* name, const QIcon& glyph,
                            const QString& tooltip)
{
    auto* button = Named(new QToolButton(parent), name, 0);
    button->setAutoRaise(true);
    button->setIcon(glyph);
    button->setToolTip(tooltip);
    button->setStatusTip(tooltip);
    button->setAccessibleName(tooltip);
    return button;
}

} // namespace zelt
