#pragma once

#include "app/configuration.h"
#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace zelt::test {

// A run whose Configuration command is answered by a script working the
// dialog's controls.
class ConfigTest : public UiTest {
protected:
    // Opens the dialog through its command; the script runs while it is shown.
    void configure(std::function<void(QDialog&)> script)
    {
        m_messages.dialogScripts.push_back(std::move(script));
        window().commandActions().command(CommandId::OptionsConfiguration)->trigger();
    }

    template <typename Control>
    static Control& control(const QDialog& dialog, const char* name)
    {
        auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    static void ok(QDialog& dialog) { control<QPushButton>(dialog, "OkButton").click(); }
};

} // namespace zelt::test
