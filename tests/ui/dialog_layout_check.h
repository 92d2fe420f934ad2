#pragma once

class QDialog;

namespace zelt::test {

// With the fonts the dialog really has: no caption of a button or check box
// is cut, and the controls of a group box stand below its title and inside
// its frame.
void ExpectRoomForItsTexts(const QDialog& dialog);

} // namespace zelt::test
