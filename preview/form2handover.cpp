#include "form2handover.h"

#include "form2.h"
#include "renderpages.h"

#include "shell/windowplacement.h"

namespace preview {

Form2HandOver::Form2HandOver(Form2 &form, std::function<void()> setDataEntryBusy,
                             std::function<void()> setDataEntryArrow, std::function<void()> hideDataEntry,
                             const QWidget *dataEntry)
    : m_form(form), m_setDataEntryBusy(std::move(setDataEntryBusy)),
      m_setDataEntryArrow(std::move(setDataEntryArrow)), m_hideDataEntry(std::move(hideDataEntry)),
      m_dataEntry(dataEntry)
{
}

void Form2HandOver::renderPages(const QString &path)
{
    preview::RenderPages(path, m_form, m_setDataEntryBusy);
}

void Form2HandOver::restoreDataEntryPointer()
{
    m_setDataEntryArrow();
}

int Form2HandOver::listedPages() const
{
    return m_form.listedPages();
}

void Form2HandOver::showFirstPage()
{
    m_form.showFirstPage();
}

void Form2HandOver::setWordFile(const QString &path)
{
    m_form.setWordFile(path);
}

void Form2HandOver::showPreview()
{
    if (m_dataEntry)
        shell::placeWhere(m_form, *m_dataEntry);
    m_form.show();
    m_form.raise();
    m_form.activateWindow();
}

void Form2HandOver::hideDataEntry()
{
    m_hideDataEntry();
}

} // namespace preview
