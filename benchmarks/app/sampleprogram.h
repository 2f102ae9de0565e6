#pragma once

#include "app/createcommand.h"
#include "app/engines.h"
#include "entry/form1.h"
#include "timingsupport.h"

#include <QApplication>
#include <QTemporaryDir>

// The data-entry window wired to the create command as the program wires it,
// holding the sample resume, with throw-away settings and temporary folders.
struct SampleProgram {
    QTemporaryDir settings = privateSettings();
    QTemporaryDir temp;
    entry::Form1 form;

    SampleProgram()
    {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        app::registerEngines();
        app::connectCreateCommand(form);
        form.Form_Load();
        form.PushButton3_Click();
    }
};
