#pragma once

#include "app/createcommand.h"
#include "app/engines.h"
#include "entry/form1.h"
#include "preview/form2.h"
#include "timingsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

// The data-entry window wired to the create command as the program wires it,
// holding the sample resume, with throw-away settings and temporary folders.
// It owns the preview window as the program does, so the window goes before
// the application object.
struct SampleProgram {
    QTemporaryDir settings = privateSettings();
    QTemporaryDir temp;
    entry::Form1 form;
    std::unique_ptr<preview::Form2> form2;

    SampleProgram()
    {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        app::registerEngines();
        app::connectCreateCommand(form, form2);
        form.Form_Load();
        form.PushButton3_Click();
    }

    // The preview window the create command shows, made now if no create has
    // made it yet.
    preview::Form2 &preview() { return app::previewWindow(form, form2); }
};
