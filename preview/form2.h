#pragma once

#include "keptdocument.h"
#include "viewstate.h"

#include <QImage>
#include <QSet>
#include <QWidget>
#include <functional>
#include <vector>

class QGroupBox;
class QMenu;
class QPushButton;
class QScrollBar;
class QTreeWidget;

namespace shell {
class WindowPointer;
struct PdfDocumentInfo;
}

namespace preview {

class PictureBox;

// The preview window: the page list, the chosen page in a viewport with zoom,
// scroll bars and drag-to-pan, and the commands that leave it. What the view
// is (zoom, sizes, scroll units, drag, sharp pictures) is a ViewState of its
// own; the window's handlers show it in the widgets.
class Form2 : public QWidget, private ViewState {
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

    void Form_Load();
    void Form_Activate();
    void ListView1_Click();
    void ListView1_KeyUp();

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton6_Click();
    void PushButton8_Click();
    // Prints the document with the platform's print dialog.
    void printDocument();
    // Writes the document as a PDF where the user chooses.
    void exportPdf();
    // Writes the document as a Word 2007 and later (.docx) file where the user chooses.
    void exportDocx();
    void ZoomStep(qint32 direction);
    void SetZoom(float factor);
    void RedrawImage();
    void SetupScrollbars();
    void HScroll1_Change();
    void VScroll1_Change();
    void picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void picture1_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void Picture1_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void SetHScrollbarByPercent(QScrollBar *HScrollbar, qint16 percent);
    void SetVScrollbarByPercent(QScrollBar *VScrollbar, qint16 percent);

    // Appends "Page k" to the page list.
    void addPageItem(int page);
    // Puts `picture` into Image1(index), creating the element when needed.
    void loadImage(int index, const QImage &picture);
    // Removes Image1(index); element 0 always stays.
    void removeImage(int index);
    int imageCount() const { return static_cast<int>(Image1.size()); }

    shell::WindowPointer &pointer() const { return *m_pointer; }

    // What the generator and the renderer hand over to the window.
    void setWordFile(const QString &path);
    void setLastImageIndex(qint32 index);
    // The name the resume is of, for the title and author of its PDF.
    void setAuthorName(const QString &name) { m_authorName = name; }
    int listedPages() const;
    // Puts the first page picture into the viewport.
    void showFirstPage();

    // What the window holds, for the code and the tests that look at it.
    const QString &wordFile() const { return mWordFile; }
    qint32 totalImages() const { return mTotalImages; }
    using ViewState::zoom;
    bool setUpPending() const { return mFirstActivate; }
    const QImage &image(int index) const { return Image1.at(static_cast<std::size_t>(index)); }
    // The view's sizes and scroll units, in twips.
    struct View {
        qint32 origW, origH, newW, newH;
        qint16 hUnit, vUnit;
    };
    View view() const { return {mOrigW, mOrigH, mNewW, mNewH, mHUnit, mVUnit}; }

signals:
    // "< Back" wants the data-entry window shown again.
    void dataEntryWanted();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void setFocusOrder();
    void connectHandlers();
    void showChosenPage();
    // Draws the shown page at mZoom: the sharp picture made for that size
    // when there is one, else a stretch of the unscaled copy.
    void drawShownPage();
    // The shown page drawn by the engine for mZoom on this screen, made on
    // first use; null when the document cannot give it.
    QImage drawnSharpPicture();
    void buildShortcuts();
    void buildPageMenu();
    void openPageMenuFromKeyboard();
    // Names the shown page for screen readers: "Page k of n".
    void nameShownPage();
    // Asks for a file with `title` and `filter`, asks before replacing it,
    // and hands it to `write`; failures are reported under `location`.
    void exportDocument(const QString &location, const QString &title, const QString &filter,
                        const std::function<void(const QString &)> &write);
    // Asks before replacing `target`; true when it may be written.
    bool mayWrite(const QString &target) const;
    shell::PdfDocumentInfo documentInfo() const;
    // Chooses the page `offset` away from the selected one, or at `index`
    // (from 0, limited to the list), as clicking it in the list would.
    void choosePageBy(int offset);
    void choosePageAt(int index);
    // Moves the page through the scroll bar of `orientation` by about `twips`.
    void scrollByTwips(Qt::Orientation orientation, double twips);
    void zoomByWheel(int angleDelta);
    bool isPageChoiceKeyRelease(QEvent *event);
    void setUpView();
    // The unscaled page size every redraw starts from: Zoom_Ori's interior
    // less 2, rounded halves to even, in twips.
    qint32 originalWidthTwips() const;
    qint32 originalHeightTwips() const;
    void Form_QueryUnload();

    shell::WindowPointer *m_pointer = nullptr;
    QTreeWidget *ListView1 = nullptr;
    PictureBox *Picture2 = nullptr;
    PictureBox *Picture1 = nullptr;
    PictureBox *Zoom_Ori = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QPushButton *PushButton8 = nullptr;
    QPushButton *PushButton6 = nullptr;
    QMenu *m_pageMenu = nullptr;
    std::vector<QImage> Image1{QImage()};

    QString mWordFile;
    QString m_authorName;
    // mWordFile open in an instance of the preview's own while it is shown.
    KeptDocument m_keptDocument;
    qint32 mTotalImages = 0;
    bool mFirstActivate = true;
    QSet<int> m_keysPressedInList;
};

} // namespace preview
