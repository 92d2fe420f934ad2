#include "tests/ui/dialog_layout_check.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <gtest/gtest.h>

namespace zelt::test {

void ExpectRoomForItsTexts(const QDialog& dialog)
{
    for (const QAbstractButton* control : dialog.findChildren<QAbstractButton*>())
        EXPECT_GE(control->width(), control->sizeHint().width())
            << control->text().toStdString() << " is cut";
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        for (const QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect place = control->geometry();
            EXPECT_GE(place.top(), group->contentsRect().top())
                << control->objectName().toStdString() << " under the title of "
                << group->title().toStdString();
            EXPECT_TRUE(group->rect().contains(place))
                << control->objectName().toStdString() << " outside "
                << group->title().toStdString();
        }
    }
}

} // namespace zelt::test
