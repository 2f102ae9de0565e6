#include "recordingengine.h"

#include "generator/engineregistry.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/failure.h"
#include "automation/word/font.h"
#include "automation/word/listtemplate.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

#include <map>

namespace testsupport {
namespace {

const QString recordingKey = QStringLiteral("recording");

bool endsWithMember(const QString &path, const QString &member)
{
    return path == member || path.endsWith(QLatin1Char('.') + member);
}

// "Table.Columns(2)" also answers to "Columns", without its index.
bool matchesMember(const QString &path, const QString &member)
{
    if (endsWithMember(path, member))
        return true;
    return path.endsWith(QLatin1Char(')')) && endsWithMember(path.left(path.lastIndexOf(QLatin1Char('('))), member);
}

QString quoted(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            result += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n'))
            result += QStringLiteral("\\n");
        else if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF))
            result += QStringLiteral("\\u")
                      + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        else
            result += c;
    }
    return result + QLatin1Char('"');
}

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

QString flag(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString named(const char *name, const QString &value)
{
    return QLatin1String(name) + QLatin1Char('=') + value;
}

QString arguments(const QStringList &pieces)
{
    return QLatin1Char('(') + pieces.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString movement(long unit, long count, long extend)
{
    QStringList pieces{named("Unit", number(unit)), named("Count", number(count))};
    if (extend != 0)
        pieces << named("Extend", number(extend));
    return arguments(pieces);
}

// Every recording object: where it is reached from, and the log it writes to.
class Recorded {
public:
    Recorded(std::shared_ptr<CallLog> log, QString path)
        : m_log(std::move(log)), m_path(std::move(path))
    {
    }
    virtual ~Recorded() = default;

    QString path() const { return m_path; }

protected:
    QString child(const QString &member) const { return m_path + QLatin1Char('.') + member; }
    void read(const QString &member) const { m_log->record(CallLog::Kind::Read, child(member)); }
    void act(const QString &member, const QString &args) const
    {
        m_log->record(CallLog::Kind::Action, child(member), args);
    }
    void assign(const QString &property, const QString &value) const { act(property, QStringLiteral(" = ") + value); }
    // A numeric property that remembers what was set.
    template <typename T>
    void assignNumber(const char *property, T &slot, T value)
    {
        assign(QLatin1String(property), number(value));
        slot = value;
    }
    template <typename T>
    T readNumber(const char *property, const T &slot) const
    {
        read(QLatin1String(property));
        return slot;
    }

    std::shared_ptr<CallLog> m_log;
    QString m_path;
};

// How an object argument shows in a line: by its path.
template <typename T>
QString describe(const std::shared_ptr<T> &object)
{
    const auto *recorded = dynamic_cast<const Recorded *>(object.get());
    return recorded ? recorded->path() : QStringLiteral("Nothing");
}

template <typename T, typename... Args>
std::shared_ptr<T> cached(std::shared_ptr<T> &slot, Args &&...args)
{
    if (!slot)
        slot = std::make_shared<T>(std::forward<Args>(args)...);
    return slot;
}

class RecordingFont : public word::Font, public Recorded {
public:
    using Recorded::Recorded;

    void set(word::FontProperty property, double value) override
    {
        const bool isFlag = property != word::FontProperty::Color && property != word::FontProperty::Size;
        const bool isTrueOrFalse = value == word::True || value == word::False;
        const QString shown = isFlag && isTrueOrFalse ? flag(value != 0) : number(value);
        assign(propertyName(property), shown);
        m_values[property] = value;
    }
    double get(word::FontProperty property) const override
    {
        read(propertyName(property));
        const auto found = m_values.find(property);
        return found == m_values.end() ? 0 : found->second;
    }
    void setName(const QString &name) override
    {
        assign(QStringLiteral("Name"), quoted(name));
        m_name = name;
    }
    QString name() const override
    {
        read(QStringLiteral("Name"));
        return m_name;
    }

private:
    static QString propertyName(word::FontProperty property)
    {
        static const char *const names[] = {"Bold",      "Italic",  "StrikeThrough", "Subscript", "Superscript",
                                            "Shadow",    "Outline", "Emboss",        "Engrave",   "AllCaps",
                                            "Hidden",    "Underline", "Color",       "Size",      "Animation",
                                            "DoubleStrikeThrough"};
        return QLatin1String(names[static_cast<int>(property)]);
    }

    std::map<word::FontProperty, double> m_values;
    QString m_name;
};

class RecordingParagraphFormat : public word::ParagraphFormat, public Recorded {
public:
    using Recorded::Recorded;
    void setAlignment(long alignment) override { assignNumber("Alignment", m_alignment, alignment); }
    long alignment() const override { return readNumber("Alignment", m_alignment); }

private:
    long m_alignment = 0;
};

class RecordingBorder : public word::Border, public Recorded {
public:
    using Recorded::Recorded;
    void setLineStyle(long style) override { assign(QStringLiteral("LineStyle"), number(style)); }
    void setLineWidth(long width) override { assign(QStringLiteral("LineWidth"), number(width)); }
    void setColor(long color) override { assign(QStringLiteral("Color"), number(color)); }
};

class RecordingBorders : public word::Borders, public Recorded {
public:
    using Recorded::Recorded;
    std::shared_ptr<word::Border> item(long side) override
    {
        const QString member = QStringLiteral("(%1)").arg(side);
        m_log->record(CallLog::Kind::Read, m_path + member);
        return cached(m_sides[side], m_log, m_path + member);
    }
    void setShadow(bool shadow) override { assign(QStringLiteral("Shadow"), flag(shadow)); }

private:
    std::map<long, std::shared_ptr<RecordingBorder>> m_sides;
};

class RecordingCells : public word::Cells, public Recorded {
public:
    using Recorded::Recorded;
    void merge() override { act(QStringLiteral("Merge"), QStringLiteral("()")); }
    void setVerticalAlignment(long alignment) override
    {
        assign(QStringLiteral("VerticalAlignment"), number(alignment));
    }
    std::shared_ptr<word::Borders> borders() override
    {
        read(QStringLiteral("Borders"));
        return cached(m_borders, m_log, child(QStringLiteral("Borders")));
    }

private:
    std::shared_ptr<RecordingBorders> m_borders;
};

class RecordingListFormat : public word::ListFormat, public Recorded {
public:
    using Recorded::Recorded;
    void applyListTemplate(const std::shared_ptr<word::ListTemplate> &listTemplate, bool continuePreviousList,
                           long applyTo, long defaultListBehavior) override
    {
        act(QStringLiteral("ApplyListTemplate"),
            arguments({named("ListTemplate", describe(listTemplate)),
                       named("ContinuePreviousList", flag(continuePreviousList)), named("ApplyTo", number(applyTo)),
                       named("DefaultListBehavior", number(defaultListBehavior))}));
    }
};

class RecordingRange : public word::Range, public Recorded {
public:
    using Recorded::Recorded;
    std::shared_ptr<word::ListFormat> listFormat() override
    {
        read(QStringLiteral("ListFormat"));
        return cached(m_listFormat, m_log, child(QStringLiteral("ListFormat")));
    }

private:
    std::shared_ptr<RecordingListFormat> m_listFormat;
};

class RecordingSelection : public word::Selection, public Recorded {
public:
    using Recorded::Recorded;

    long moveRight(long unit, long count, long extend) override { return move("MoveRight", unit, count, extend); }
    long moveLeft(long unit, long count, long extend) override { return move("MoveLeft", unit, count, extend); }
    long moveUp(long unit, long count, long extend) override { return move("MoveUp", unit, count, extend); }
    long moveDown(long unit, long count, long extend) override { return move("MoveDown", unit, count, extend); }
    long homeKey(long unit, long extend) override { return key("HomeKey", unit, extend); }
    long endKey(long unit, long extend) override { return key("EndKey", unit, extend); }
    void goTo(long what, long which, long count) override
    {
        act(QStringLiteral("GoTo"),
            arguments({named("What", number(what)), named("Which", number(which)), named("Count", number(count))}));
    }
    long deleteText(long unit, long count) override
    {
        act(QStringLiteral("Delete"), arguments({named("Unit", number(unit)), named("Count", number(count))}));
        return count;
    }
    void typeText(const QString &text) override
    {
        act(QStringLiteral("TypeText"), arguments({named("Text", quoted(text))}));
    }
    void insertSymbol(long characterNumber, bool unicode, long bias) override
    {
        act(QStringLiteral("InsertSymbol"),
            arguments({named("CharacterNumber", number(characterNumber)), named("Unicode", flag(unicode)),
                       named("Bias", number(bias))}));
    }
    std::shared_ptr<word::Font> font() override { return part(m_font, "Font"); }
    std::shared_ptr<word::ParagraphFormat> paragraphFormat() override
    {
        return part(m_paragraphFormat, "ParagraphFormat");
    }
    std::shared_ptr<word::Cells> cells() override { return part(m_cells, "Cells"); }
    std::shared_ptr<word::Range> range() override { return part(m_range, "Range"); }

private:
    long move(const char *member, long unit, long count, long extend)
    {
        act(QLatin1String(member), movement(unit, count, extend));
        return count;
    }
    long key(const char *member, long unit, long extend)
    {
        QStringList pieces{named("Unit", number(unit))};
        if (extend != 0)
            pieces << named("Extend", number(extend));
        act(QLatin1String(member), arguments(pieces));
        return 1;
    }
    template <typename T>
    std::shared_ptr<T> part(std::shared_ptr<T> &slot, const char *member)
    {
        read(QLatin1String(member));
        return cached(slot, m_log, child(QLatin1String(member)));
    }

    std::shared_ptr<RecordingFont> m_font;
    std::shared_ptr<RecordingParagraphFormat> m_paragraphFormat;
    std::shared_ptr<RecordingCells> m_cells;
    std::shared_ptr<RecordingRange> m_range;
};

class RecordingColumn : public word::Column, public Recorded {
public:
    using Recorded::Recorded;
    void setWidth(double points) override { assignNumber("Width", m_width, points); }
    double width() const override { return readNumber("Width", m_width); }

private:
    double m_width = 0;
};

class RecordingRow : public word::Row, public Recorded {
public:
    using Recorded::Recorded;
    void setHeight(double points) override { assignNumber("Height", m_height, points); }
    double height() const override { return readNumber("Height", m_height); }

private:
    double m_height = 0;
};

class RecordingTable : public word::Table, public Recorded {
public:
    using Recorded::Recorded;
    std::shared_ptr<word::Column> columns(int index) override { return indexed(m_columns, "Columns", index); }
    std::shared_ptr<word::Row> rows(int index) override { return indexed(m_rows, "Rows", index); }
    void setStyle(const QString &styleName) override
    {
        assign(QStringLiteral("Style"), quoted(styleName));
        m_style = styleName;
    }
    QString style() const override
    {
        read(QStringLiteral("Style"));
        return m_style;
    }
    void setApplyStyleHeadingRows(bool apply) override { assign(QStringLiteral("ApplyStyleHeadingRows"), flag(apply)); }
    void setApplyStyleLastRow(bool apply) override { assign(QStringLiteral("ApplyStyleLastRow"), flag(apply)); }
    void setApplyStyleFirstColumn(bool apply) override { assign(QStringLiteral("ApplyStyleFirstColumn"), flag(apply)); }
    void setApplyStyleLastColumn(bool apply) override { assign(QStringLiteral("ApplyStyleLastColumn"), flag(apply)); }

private:
    template <typename T>
    std::shared_ptr<T> indexed(std::map<int, std::shared_ptr<T>> &made, const char *member, int index)
    {
        const QString path = QStringLiteral("%1(%2)").arg(QLatin1String(member)).arg(index);
        read(path);
        return cached(made[index], m_log, child(path));
    }

    std::map<int, std::shared_ptr<RecordingColumn>> m_columns;
    std::map<int, std::shared_ptr<RecordingRow>> m_rows;
    QString m_style;
};

class RecordingListLevel : public word::ListLevel, public Recorded {
public:
    using Recorded::Recorded;
    void setNumberFormat(const QString &format) override { assign(QStringLiteral("NumberFormat"), quoted(format)); }
    void setTrailingCharacter(long trailing) override { assign(QStringLiteral("TrailingCharacter"), number(trailing)); }
    void setNumberStyle(long style) override { assign(QStringLiteral("NumberStyle"), number(style)); }
    void setNumberPosition(double points) override { assign(QStringLiteral("NumberPosition"), number(points)); }
    void setAlignment(long alignment) override { assign(QStringLiteral("Alignment"), number(alignment)); }
    void setTextPosition(double points) override { assign(QStringLiteral("TextPosition"), number(points)); }
    void setTabPosition(double points) override { assign(QStringLiteral("TabPosition"), number(points)); }
    void setResetOnHigher(long level) override { assign(QStringLiteral("ResetOnHigher"), number(level)); }
    void setStartAt(long start) override { assign(QStringLiteral("StartAt"), number(start)); }
    void setLinkedStyle(const QString &style) override { assign(QStringLiteral("LinkedStyle"), quoted(style)); }
    std::shared_ptr<word::Font> font() override
    {
        read(QStringLiteral("Font"));
        return cached(m_font, m_log, child(QStringLiteral("Font")));
    }

private:
    std::shared_ptr<RecordingFont> m_font;
};

class RecordingListTemplate : public word::ListTemplate, public Recorded {
public:
    RecordingListTemplate(std::shared_ptr<CallLog> log, QString path, QString name)
        : Recorded(std::move(log), std::move(path)), m_name(std::move(name))
    {
    }
    QString name() const override
    {
        read(QStringLiteral("Name"));
        return m_name;
    }
    std::shared_ptr<word::ListLevel> listLevels(int level) override
    {
        const QString member = QStringLiteral("ListLevels(%1)").arg(level);
        read(member);
        return cached(m_levels[level], m_log, child(member));
    }

private:
    QString m_name;
    std::map<int, std::shared_ptr<RecordingListLevel>> m_levels;
};

class RecordingDocument : public word::Document, public Recorded {
public:
    using Recorded::Recorded;

    std::shared_ptr<word::Selection> activeWindowSelection() override
    {
        read(QStringLiteral("ActiveWindow.Selection"));
        return cached(m_selection, m_log, QStringLiteral("Selection"));
    }
    std::shared_ptr<word::Table> addTable(const std::shared_ptr<word::Range> &range, int numRows, int numColumns,
                                          long defaultTableBehavior, long autoFitBehavior) override
    {
        act(QStringLiteral("Tables.Add"),
            arguments({named("Range", describe(range)), named("NumRows", number(numRows)),
                       named("NumColumns", number(numColumns)),
                       named("DefaultTableBehavior", number(defaultTableBehavior)),
                       named("AutoFitBehavior", number(autoFitBehavior))}));
        return std::make_shared<RecordingTable>(m_log, QStringLiteral("Table"));
    }
    std::shared_ptr<word::ListTemplate> addListTemplate(const QString &name, bool outlineNumbered) override
    {
        act(QStringLiteral("ListTemplates.Add"),
            arguments({named("Name", quoted(name)), named("OutlineNumbered", flag(outlineNumbered))}));
        return std::make_shared<RecordingListTemplate>(m_log, QStringLiteral("ListTemplate"), name);
    }
    void saveAs(const QString &path) override { act(QStringLiteral("SaveAs"), arguments({quoted(path)})); }
    void close() override { act(QStringLiteral("Close"), QStringLiteral("()")); }
    void close(long saveChanges) override
    {
        act(QStringLiteral("Close"), arguments({named("SaveChanges", number(saveChanges))}));
    }
    void repaginate() override { act(QStringLiteral("Repaginate"), QStringLiteral("()")); }
    QVariant builtInDocumentProperties(long index) override
    {
        read(QStringLiteral("BuiltInDocumentProperties(%1)").arg(index));
        return index == word::wdPropertyPages ? QVariant(1) : QVariant();
    }
    std::shared_ptr<word::Range> range() override
    {
        read(QStringLiteral("Range"));
        return cached(m_range, m_log, child(QStringLiteral("Range")));
    }
    QImage pagePicture(int page, double pixelsPerInch) override
    {
        act(QStringLiteral("PagePicture"), arguments({named("Page", number(page)),
                                                      named("PixelsPerInch", number(pixelsPerInch))}));
        // A blank Letter page.
        QImage picture(qRound(8.5 * pixelsPerInch), qRound(11 * pixelsPerInch), QImage::Format_RGB32);
        picture.fill(Qt::white);
        return picture;
    }

private:
    std::shared_ptr<RecordingSelection> m_selection;
    std::shared_ptr<RecordingRange> m_range;
};

// What an instance and its document collection share: the active document.
struct InstanceState {
    std::shared_ptr<RecordingDocument> activeDocument;
};

class RecordingDocuments : public word::Documents, public Recorded {
public:
    RecordingDocuments(std::shared_ptr<CallLog> log, QString path, std::shared_ptr<InstanceState> state)
        : Recorded(std::move(log), std::move(path)), m_state(std::move(state))
    {
    }
    std::shared_ptr<word::Document> add() override
    {
        act(QStringLiteral("Add"), QStringLiteral("()"));
        return opened();
    }
    std::shared_ptr<word::Document> open(const QString &path) override
    {
        act(QStringLiteral("Open"), arguments({quoted(path)}));
        return opened();
    }

private:
    std::shared_ptr<word::Document> opened()
    {
        m_state->activeDocument = std::make_shared<RecordingDocument>(m_log, QStringLiteral("Document"));
        return m_state->activeDocument;
    }

    std::shared_ptr<InstanceState> m_state;
};

class RecordingApplication : public word::Application, public Recorded {
public:
    RecordingApplication(std::shared_ptr<CallLog> log, QString name)
        : Recorded(std::move(log), QStringLiteral("Application")), m_name(std::move(name))
    {
    }

    QString name() const override
    {
        read(QStringLiteral("Name"));
        return m_name;
    }
    std::shared_ptr<word::Documents> documents() override
    {
        read(QStringLiteral("Documents"));
        return cached(m_documents, m_log, child(QStringLiteral("Documents")), m_state);
    }
    std::shared_ptr<word::Document> activeDocument() override
    {
        read(QStringLiteral("ActiveDocument"));
        return openDocument();
    }
    std::shared_ptr<word::Selection> selection() override
    {
        read(QStringLiteral("Selection"));
        return openDocument()->activeWindowSelection();
    }
    double inchesToPoints(double inches) const override
    {
        act(QStringLiteral("InchesToPoints"), arguments({number(inches)}));
        return inches * 72;
    }
    void setDisplayAlerts(bool display) override { assign(QStringLiteral("DisplayAlerts"), flag(display)); }
    void quit() override { act(QStringLiteral("Quit"), QStringLiteral("()")); }

private:
    std::shared_ptr<RecordingDocument> openDocument() const
    {
        // As Word does, an instance without a document has no active one.
        if (!m_state->activeDocument)
            throw automation::Failure(QStringLiteral("This command is not available because no document is open."));
        return m_state->activeDocument;
    }

    QString m_name;
    std::shared_ptr<InstanceState> m_state = std::make_shared<InstanceState>();
    std::shared_ptr<RecordingDocuments> m_documents;
};

} // namespace

void CallLog::failAt(const QString &member, int occurrence)
{
    m_rules.push_back({member, occurrence});
}

void CallLog::failAtAction(int index)
{
    m_failingAction = index;
}

void CallLog::record(Kind kind, const QString &member, const QString &arguments)
{
    const bool failing = shouldFail(kind, member);
    m_calls.push_back({kind, member + arguments, failing});
    if (failing)
        throw automation::Failure(QStringLiteral("%1 failed, as the test asked.").arg(member));
}

bool CallLog::shouldFail(Kind kind, const QString &member)
{
    bool failing = false;
    if (kind == Kind::Action && ++m_actions == m_failingAction)
        failing = true;
    for (Rule &rule : m_rules) {
        if (matchesMember(member, rule.member) && (++rule.seen == rule.occurrence || rule.occurrence == 0))
            failing = true;
    }
    return failing;
}

QStringList CallLog::lines() const
{
    QStringList result;
    for (const Call &call : m_calls)
        result << call.line;
    return result;
}

QStringList CallLog::actions() const
{
    QStringList result;
    for (const Call &call : m_calls) {
        if (call.kind == Kind::Action)
            result << call.line;
    }
    return result;
}

QStringList CallLog::failures() const
{
    QStringList result;
    for (const Call &call : m_calls) {
        if (call.failed)
            result << call.line;
    }
    return result;
}

RecordingEngine::RecordingEngine()
    : m_log(std::make_shared<CallLog>())
{
}

QString RecordingEngine::knownName() const
{
    return QStringLiteral("Microsoft Word");
}

std::shared_ptr<word::Application> RecordingEngine::create()
{
    m_log->record(CallLog::Kind::Action, QStringLiteral("Engine.Create"), QStringLiteral("()"));
    if (!m_canCreate)
        throw automation::Failure(QStringLiteral("ActiveX component can't create object"));
    ++m_created;
    return std::make_shared<RecordingApplication>(m_log, knownName());
}

std::shared_ptr<word::Application> RecordingEngine::attachRunning()
{
    m_log->record(CallLog::Kind::Read, QStringLiteral("Engine.AttachRunning"), QStringLiteral("()"));
    if (!m_runningName)
        throw automation::Failure(QStringLiteral("No instance is running."));
    return std::make_shared<RecordingApplication>(m_log, *m_runningName);
}

RecordingEngineSelection::RecordingEngineSelection()
    : m_engine(std::make_shared<RecordingEngine>())
{
    generator::EngineRegistry::add(recordingKey, m_engine);
    qputenv(generator::EngineRegistry::selectorVariable, recordingKey.toUtf8());
}

RecordingEngineSelection::~RecordingEngineSelection()
{
    qunsetenv(generator::EngineRegistry::selectorVariable);
    generator::EngineRegistry::remove(recordingKey);
}

} // namespace testsupport
