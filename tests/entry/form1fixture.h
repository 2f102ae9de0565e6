#pragma once

#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "entry/resumefields.h"
#include "shell/programend.h"
#include "shell/programfolder.h"
#include "shell/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/storewrites.h"
#include "support/testenvironment.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// A data-entry window in a world of its own: empty settings, an empty program
// folder, scripted dialogs, and a program end that is only recorded.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settingsFolder = testsupport::freshSettingsFolder();
        m_writes = std::make_unique<testsupport::StoreWrites>(m_settingsFolder);
        m_programFolder = testsupport::freshFolder(QStringLiteral("program"));
        shell::setProgramFolderForTesting(m_programFolder);
        shell::setProgramEndHandlerForTesting([this](int status) { m_endStatus = status; });
        qunsetenv("PARVOLIN_ENGINE");
    }

    void TearDown() override
    {
        shell::setProgramEndHandlerForTesting({});
        shell::setProgramFolderForTesting(QString());
        qunsetenv("PARVOLIN_ENGINE");
    }

    // Starts the program's window as a run of the program would: created, loaded.
    std::unique_ptr<entry::Form1> start()
    {
        auto form = std::make_unique<entry::Form1>();
        form->Form_Load();
        return form;
    }

    // Started, shown and made the active window, as a user finds it.
    std::unique_ptr<entry::Form1> shownAndActive()
    {
        auto form = start();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    QString text(const entry::Form1 &form, const char *name) const
    {
        return form.field(QString::fromLatin1(name))->text();
    }

    QString stored(const char *key) const { return shell::SettingsStore().read(QString::fromLatin1(key)); }
    void store(const char *key, const QString &value) { shell::SettingsStore().write(QString::fromLatin1(key), value); }
    quint64 writes() const { return m_writes->count(); }

    std::unique_ptr<testsupport::StoreWrites> m_writes;
    testsupport::ScriptedDialogs m_dialogs;
    QString m_settingsFolder;
    QString m_programFolder;
    std::optional<int> m_endStatus;
};
