#pragma once

#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

#include <QColor>
#include <QStringList>
#include <memory>

// A word processor that holds one document of a given number of pages, each
// page a plain picture of its own grey, and logs what it is asked.
struct PageEngineState {
    int pages = 3;
    int reportedPages = 3;       // what the page-count property says
    int failAtPicture = 0;       // the page whose picture fails; 0 for none
    QByteArray ownPdf;           // the engine's own PDF; empty for none
    QStringList log;
};

class PageDocument : public word::Document {
public:
    explicit PageDocument(PageEngineState &state) : m_state(state) {}
    std::shared_ptr<word::Selection> activeWindowSelection() override { throw automation::Failure(QStringLiteral("none")); }
    std::shared_ptr<word::Table> addTable(const std::shared_ptr<word::Range> &, int, int, long, long) override
    {
        throw automation::Failure(QStringLiteral("none"));
    }
    std::shared_ptr<word::ListTemplate> addListTemplate(const QString &, bool) override
    {
        throw automation::Failure(QStringLiteral("none"));
    }
    void saveAs(const QString &) override {}
    void close() override { m_state.log << QStringLiteral("close"); }
    void close(long saveChanges) override { m_state.log << QStringLiteral("close(%1)").arg(saveChanges); }
    void repaginate() override { m_state.log << QStringLiteral("repaginate"); }
    QVariant builtInDocumentProperties(long index) override
    {
        m_state.log << QStringLiteral("property(%1)").arg(index);
        return m_state.reportedPages;
    }
    std::shared_ptr<word::Range> range() override { throw automation::Failure(QStringLiteral("none")); }
    QImage pagePicture(int page, double pixelsPerInch) override
    {
        m_state.log << QStringLiteral("picture(%1)").arg(page);
        if (page == m_state.failAtPicture || page > m_state.pages)
            throw automation::Failure(QStringLiteral("page %1 cannot be drawn").arg(page));
        QImage picture(qRound(8.5 * pixelsPerInch), qRound(11 * pixelsPerInch), QImage::Format_RGB32);
        picture.fill(QColor(page * 20, page * 20, page * 20));
        return picture;
    }
    QByteArray pdf() override
    {
        m_state.log << QStringLiteral("pdf");
        return m_state.ownPdf;
    }

private:
    PageEngineState &m_state;
};

class PageApplication : public word::Application, public word::Documents {
public:
    explicit PageApplication(PageEngineState &state) : m_state(state) {}
    QString name() const override { return QStringLiteral("Page Engine"); }
    std::shared_ptr<word::Documents> documents() override { return {std::shared_ptr<void>(), this}; }
    std::shared_ptr<word::Document> activeDocument() override { return m_document; }
    std::shared_ptr<word::Selection> selection() override { throw automation::Failure(QStringLiteral("none")); }
    double inchesToPoints(double inches) const override { return inches * 72; }
    void setDisplayAlerts(bool) override {}
    void quit() override { m_state.log << QStringLiteral("quit"); }
    std::shared_ptr<word::Document> add() override { throw automation::Failure(QStringLiteral("none")); }
    std::shared_ptr<word::Document> open(const QString &path) override
    {
        m_state.log << QStringLiteral("open(%1)").arg(path);
        m_document = std::make_shared<PageDocument>(m_state);
        return m_document;
    }

private:
    PageEngineState &m_state;
    std::shared_ptr<word::Document> m_document;
};

class PageEngine : public word::Engine {
public:
    PageEngineState state;
    QString knownName() const override { return QStringLiteral("Page Engine"); }
    std::shared_ptr<word::Application> create() override { return std::make_shared<PageApplication>(state); }
    std::shared_ptr<word::Application> attachRunning() override { throw automation::Failure(QStringLiteral("none")); }
};
