#include "automation/failure.h"
#include "shell/programfolder.h"
#include "shell/skin.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// A window with one control of each kind the skin may colour.
struct SkinWindow {
    QWidget window;
    QGroupBox *frame = new QGroupBox(QStringLiteral("Frame"), &window);
    QLabel *label = new QLabel(QStringLiteral("Label"), frame);
    QRadioButton *option = new QRadioButton(&window);
    QWidget *picture = new QWidget(&window);
    QLineEdit *edit = new QLineEdit(&window);

    SkinWindow() { shell::markPictureBox(picture); }
};

QColor background(const QWidget *widget)
{
    return widget->autoFillBackground() ? widget->palette().color(QPalette::Window) : QColor();
}

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = testsupport::freshFolder(QStringLiteral("program"));
        shell::setProgramFolderForTesting(m_folder);
    }
    void TearDown() override { shell::setProgramFolderForTesting(QString()); }

    void writeSkin(const QByteArray &text, const QString &name = QStringLiteral("o.cjs"))
    {
        QDir(m_folder).mkpath(QStringLiteral("x"));
        QFile file(m_folder + QStringLiteral("/x/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QString m_folder;
};

} // namespace

TEST_F(SkinTest, WithoutTheFileNothingChanges)
{
    SkinWindow w;
    shell::LoadSkin(&w.window);
    EXPECT_FALSE(w.window.autoFillBackground());
    EXPECT_FALSE(w.frame->autoFillBackground());
    EXPECT_TRUE(w.window.styleSheet().isEmpty());
}

TEST_F(SkinTest, AFolderOrHiddenFileOfThatNameIsNoSkin)
{
    QDir(m_folder).mkpath(QStringLiteral("x/o.cjs"));
    SkinWindow w;
    shell::LoadSkin(&w.window);
    EXPECT_TRUE(w.window.styleSheet().isEmpty());
}

TEST_F(SkinTest, PresentFileColoursWindowFramesLabelsOptionsAndPictureBoxesAndAppliesTheSheet)
{
    writeSkin("QPushButton { font-weight: bold; } /* ours */");
    SkinWindow w;
    shell::LoadSkin(&w.window);
    const QColor face = shell::buttonFaceColor();
    for (const QWidget *widget : {static_cast<const QWidget *>(&w.window), static_cast<const QWidget *>(w.frame),
                                  static_cast<const QWidget *>(w.label), static_cast<const QWidget *>(w.option),
                                  static_cast<const QWidget *>(w.picture)})
        EXPECT_EQ(background(widget), face) << widget->metaObject()->className();
    EXPECT_FALSE(w.edit->autoFillBackground()) << "text boxes keep their own colours";
    EXPECT_EQ(w.window.styleSheet(), QStringLiteral("QPushButton { font-weight: bold; } /* ours */"));
}

TEST_F(SkinTest, ApplyFaceColorLeavesPictureBoxesAlone)
{
    SkinWindow w;
    shell::ApplyFaceColor(&w.window);
    EXPECT_EQ(background(w.frame), shell::buttonFaceColor());
    EXPECT_FALSE(w.picture->autoFillBackground());
}

TEST_F(SkinTest, AFileThatCannotBeAppliedFailsWithItsPath)
{
    const QByteArray broken[] = {QByteArray("QWidget { color: red; \xff\xfe }"), QByteArray("QWidget { color: red;"),
                                 QByteArray("QWidget } {"), QByteArray("/* never closed"),
                                 QByteArray("QLabel { qproperty-text: \"open }")};
    for (const QByteArray &text : broken) {
        writeSkin(text);
        SkinWindow w;
        try {
            shell::LoadSkin(&w.window);
            ADD_FAILURE() << "accepted: " << text.constData();
        } catch (const automation::Failure &failure) {
            EXPECT_TRUE(failure.description().contains(QStringLiteral("x/o.cjs"))) << failure.what();
        }
        EXPECT_TRUE(w.window.styleSheet().isEmpty());
    }
}
