#pragma once

#include "generator/previewhandover.h"

#include <functional>

class QWidget;

namespace preview {

class Form2;

// Hands the generated document to the preview window; what it must do with
// the data-entry window it does through the two actions it is given.
class Form2HandOver : public generator::PreviewHandOver {
public:
    // `dataEntry`, when given, is the window the preview opens centred on.
    Form2HandOver(Form2 &form, std::function<void()> setDataEntryBusy, std::function<void()> setDataEntryArrow,
                  std::function<void()> hideDataEntry, const QWidget *dataEntry = nullptr);

    void renderPages(const QString &path) override;
    void restoreDataEntryPointer() override;
    int listedPages() const override;
    void showFirstPage() override;
    void setWordFile(const QString &path) override;
    void showPreview() override;
    void hideDataEntry() override;

private:
    Form2 &m_form;
    std::function<void()> m_setDataEntryBusy;
    std::function<void()> m_setDataEntryArrow;
    std::function<void()> m_hideDataEntry;
    const QWidget *m_dataEntry = nullptr;
};

} // namespace preview
