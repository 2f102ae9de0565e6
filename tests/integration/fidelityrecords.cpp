#include "fidelityrecords.h"

#include "randomrecords.h"

#include "entry/resumefields.h"
#include "entry/sampledata.h"

#include <QStringList>

namespace {

using Fields = std::map<QString, QString>;

const QString lineBreak = QStringLiteral("\r\n");

Fields sample()
{
    Fields fields;
    for (int row = 0; row < entry::resumeFieldCount; ++row)
        fields[QString::fromLatin1(entry::resumeFields()[row].name)] = entry::sampleValue(row);
    return fields;
}

Fields everyFieldSetTo(const QString &text)
{
    Fields fields;
    for (const entry::ResumeField &field : entry::resumeFields())
        fields[QString::fromLatin1(field.name)] = text;
    return fields;
}

// Every field filled with text of a usual length.
Fields full()
{
    Fields fields = sample();
    const QStringList jobs[] = {
        {QStringLiteral("March 2019 - June 2024"), QStringLiteral("Brightwater Analytics"), QStringLiteral("Eugene, OR"),
         QStringLiteral("Customer Support Supervisor")},
        {QStringLiteral("Aug 2015 - Feb 2019"), QStringLiteral("Cascade Office Supply"), QStringLiteral("Salem, OR"),
         QStringLiteral("Support Specialist")},
        {QStringLiteral("2012 - 2015"), QStringLiteral("Riverside Books"), QStringLiteral("Albany, OR"),
         QStringLiteral("Sales Associate")},
    };
    for (int job = 1; job <= 3; ++job) {
        const QStringList &texts = jobs[job - 1];
        fields[QStringLiteral("txtDateEmployment%1").arg(job)] = texts.at(0);
        fields[QStringLiteral("txtCompany%1").arg(job)] = texts.at(1);
        fields[QStringLiteral("txtCity%1").arg(job)] = texts.at(2);
        fields[QStringLiteral("txtJobTitle%1").arg(job)] = texts.at(3);
        for (int duty = 1; duty <= 3; ++duty)
            fields[QStringLiteral("txtExp%1JobRes%2").arg(job).arg(duty)] =
                QStringLiteral("Duty %1.%2: kept the shelves, the books and the customers in good order").arg(job).arg(duty);
    }
    fields[QStringLiteral("txtSpecialAwards")] = QStringLiteral("Dean's list, four semesters");
    fields[QStringLiteral("txtReferences")] =
        QStringLiteral("Anna Whitfield, Brightwater Analytics, 541-555-0142") + lineBreak
        + QStringLiteral("Tomas Reyes, Cascade Office Supply, 503-555-0199");
    return fields;
}

QString numberedLines(const QString &prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 %2").arg(prefix).arg(i);
    return lines.join(lineBreak);
}

// Paragraphs "Pn ..." of one to four sentences each.
QString longParagraphs(int count)
{
    const QString sentence = QStringLiteral("Planned, built and ran the systems that kept the orders moving. ");
    QStringList paragraphs;
    for (int i = 1; i <= count; ++i)
        paragraphs << QStringLiteral("P%1 ").arg(i) + sentence.repeated(1 + i % 4);
    return paragraphs.join(lineBreak);
}

Fields longParagraphRecord()
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = longParagraphs(3);
    for (int job = 1; job <= 3; ++job)
        fields[QStringLiteral("txtExp%1JobRes2").arg(job)] =
            QStringLiteral("Duty %1 wrote the reports that the board read each quarter, ").arg(job).repeated(3);
    fields[QStringLiteral("txtReferences")] = QStringLiteral("Referees ") + longParagraphs(2);
    return fields;
}

Fields manyShortLines()
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = numberedLines(QStringLiteral("Goal"), 25);
    fields[QStringLiteral("txtReferences")] = numberedLines(QStringLiteral("Referee"), 25);
    return fields;
}

Fields wrappingAwardsAndReferences()
{
    Fields fields = full();
    fields[QStringLiteral("txtSpecialAwards")] =
        QStringLiteral("Awarded the college medal for service to the community, the debating cup two years running, "
                       "a travel scholarship and the prize for the best final-year thesis in the department");
    QStringList referees;
    for (int i = 1; i <= 8; ++i)
        referees << QStringLiteral("R%1 Referee number %1, formerly head of the regional support office, reachable "
                                   "by telephone at 541-555-01%2 or by letter")
                        .arg(i)
                        .arg(i, 2, 10, QLatin1Char('0'));
    fields[QStringLiteral("txtReferences")] = referees.join(lineBreak);
    return fields;
}

Fields unbreakableWord()
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] =
        QStringLiteral("Start ") + QStringLiteral("Unbreakable") + QStringLiteral("abcdefghij").repeated(16);
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("Long") + QStringLiteral("klmnopqrst").repeated(10);
    return fields;
}

Fields greekAndCyrillic()
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] =
        QStringLiteral("Στόχος μου είναι να οδηγήσω μια ομάδα υποστήριξης πελατών σε μια αναπτυσσόμενη εταιρεία "
                       "λογισμικού, με υπομονή και σαφήνεια.");
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("Руководила группой из девяти специалистов поддержки");
    fields[QStringLiteral("txtExp1JobRes2")] = QStringLiteral("Сократила среднее время ответа на треть");
    fields[QStringLiteral("txtReferences")] = QStringLiteral("Ссылки предоставляются по запросу");
    return fields;
}

// Letters Carlito and Tahoma lack: Chinese and Japanese, and a Greek name in
// Tahoma, whose Greek stops at pi. Both drawing programs take them from other
// faces, which must neither move the lines nor change their height.
Fields chineseJapaneseAndGreekName()
{
    Fields fields = full();
    fields[QStringLiteral("txtYourName")] = QStringLiteral("Ελένη Παπαδοπούλου");
    fields[QStringLiteral("txtObjective")] =
        QStringLiteral("我希望在一家成长中的软件公司领导客户支持团队，以耐心和清晰的沟通帮助客户解决问题。"
                       "在过去的五年里，我负责培训新员工并改进了服务流程。")
        + lineBreak + QStringLiteral("Second line in Latin after the Chinese paragraph.");
    fields[QStringLiteral("txtCompany1")] = QStringLiteral("株式会社ブライトウォーター");
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("九人のサポートチームを率い、平均応答時間を三分の一短縮しました");
    fields[QStringLiteral("txtJobTitle2")] = QStringLiteral("顧客サポート専門家");
    fields[QStringLiteral("txtReferences")] = QStringLiteral("推荐人可应要求提供");
    return fields;
}

Fields longCellTexts()
{
    Fields fields = full();
    fields[QStringLiteral("txtStreetAddress")] = QStringLiteral("Apartment 12, The Old Mill Buildings, 1427 Alder Creek "
                                                                "Road North, behind the station");
    fields[QStringLiteral("txtDateEmployment1")] = QStringLiteral("From March 2019 until the end of June 2024");
    fields[QStringLiteral("txtCompany1")] = QStringLiteral("Brightwater Analytics and Forecasting Services Incorporated");
    fields[QStringLiteral("txtCity1")] = QStringLiteral("Eugene, Oregon, United States");
    fields[QStringLiteral("txtJobTitle2")] =
        QStringLiteral("Senior Customer Support Specialist and Team Lead for the Western Region Accounts");
    return fields;
}

// The objective as `lines` short lines, which moves everything after it down
// by one line per record: one of several such records puts a heading at the
// foot of the first page.
Fields headingNearFoot(int lines)
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = numberedLines(QStringLiteral("Aim"), lines);
    fields[QStringLiteral("txtReferences")] = numberedLines(QStringLiteral("Ref"), 12);
    return fields;
}

Fields pages(int objectiveParagraphs, int referenceLines)
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = longParagraphs(objectiveParagraphs);
    fields[QStringLiteral("txtReferences")] = numberedLines(QStringLiteral("Contact"), referenceLines);
    return fields;
}

Fields arabicName()
{
    Fields fields = headingNearFoot(18);
    fields[QStringLiteral("txtYourName")] = QStringLiteral("ليلى حداد");
    fields[QStringLiteral("txtCity")] = QStringLiteral("دبي");
    return fields;
}

Fields hebrewDuties()
{
    Fields fields = headingNearFoot(18);
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("ניהלתי צוות של תשעה נציגי שירות");
    fields[QStringLiteral("txtExp1JobRes2")] = QStringLiteral("קיצרתי את זמן המענה הממוצע בשליש");
    fields[QStringLiteral("txtExp1JobRes3")] = QStringLiteral("הכשרתי עובדים חדשים בכל רבעון");
    return fields;
}

// Arabic lines with English words and numbers inside, and an English line
// with Arabic words inside.
Fields mixedDirectionDuties()
{
    Fields fields = headingNearFoot(18);
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("أدرت فريق Customer Support من 9 أشخاص منذ 2019");
    fields[QStringLiteral("txtExp1JobRes2")] = QStringLiteral("Trained the فريق الدعم team of 12 in Dubai");
    fields[QStringLiteral("txtExp2JobRes1")] = QStringLiteral("خفضت زمن الرد بنسبة 30% خلال عام 2018");
    return fields;
}

Fields longWrappingHebrew()
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = QStringLiteral(
        "אני מחפשת תפקיד של ניהול צוות תמיכה בחברת תוכנה צומחת, שבה אוכל להשתמש בניסיון של שבע שנים בשירות "
        "לקוחות, בהדרכת עובדים חדשים ובשיפור תהליכי עבודה, כדי לתת לכל לקוח תשובה מהירה, ברורה ואדיבה, ולבנות "
        "צוות שאנשים רוצים להישאר בו לאורך שנים רבות");
    return fields;
}

// Arabic duties whose first words hold lam and alef, which are drawn as one glyph.
Fields lamAlefDuties()
{
    Fields fields = headingNearFoot(18);
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("لاحظت حاجات العملاء وسجلتها");
    fields[QStringLiteral("txtExp1JobRes2")] = QStringLiteral("الاستجابة للطلبات خلال يوم واحد");
    return fields;
}

// A duty starting with a lam before the ligature of lam and alef, which
// pdftotext gives in an order no single swap turns back.
Fields lamBeforeLamAlef()
{
    Fields fields = headingNearFoot(18);
    fields[QStringLiteral("txtExp1JobRes1")] = QStringLiteral("للاستجابة السريعة لطلبات العملاء");
    return fields;
}

// An Arabic duty whose first line fills the cell all but the space that
// breaks it, which LibreOffice then leaves out at the line's left end.
Fields arabicLineFullButItsBreakSpace()
{
    Fields fields = full();
    fields[QStringLiteral("txtExp1JobRes2")] = QStringLiteral(
        "زططوخظفلهم يظثسطسحصد خهشخسوب اظخ نب اقوعياغند صجصقريه زتحزطداضش ربح. ضغخيخرفمصد نقمه رمدغ زاهص.");
    return fields;
}

// A Hebrew duty of one-letter words, which pdftotext gives as one word.
Fields oneLetterHebrewWords()
{
    Fields fields = full();
    fields[QStringLiteral("txtExp1JobRes2")] = QStringLiteral("ן כ ק");
    return fields;
}

// Short Hebrew sentences filling more than a page: its lines break after
// full stops, whose space LibreOffice keeps in the line, and the second page
// starts with a right-to-left line, whose first word is drawn rightmost.
Fields hebrewSentencesAcrossAPage()
{
    const QStringList sentences = {QStringLiteral("עניתי לכל שאלה."), QStringLiteral("שיפרתי את התהליך."),
                                   QStringLiteral("הדרכתי עובדים חדשים."), QStringLiteral("סגרתי פניות מהר.")};
    QStringList objective;
    for (int i = 0; i < 260; ++i)
        objective << sentences.at(i % sentences.size());
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = objective.join(QLatin1Char(' '));
    return fields;
}

// The three cells of a details row, each mixing right-to-left and left-to-right text.
Fields mixedDirectionCells()
{
    Fields fields = headingNearFoot(18);
    fields[QStringLiteral("txtDateEmployment1")] = QStringLiteral("2019 - 2024 حتى اليوم");
    fields[QStringLiteral("txtCompany1")] = QStringLiteral("שירותי Brightwater בע\"מ");
    fields[QStringLiteral("txtCity1")] = QStringLiteral("دبي, UAE");
    return fields;
}

// The objective as `lines` short lines, then a paragraph of three lines,
// whose lines meet the foot of the first page in different places.
Fields paragraphNearFoot(int lines)
{
    Fields fields = full();
    fields[QStringLiteral("txtObjective")] = numberedLines(QStringLiteral("Aim"), lines) + lineBreak
        + QStringLiteral("Lone ") + QStringLiteral("Planned, built and ran the systems that kept the orders moving. ").repeated(3)
        + lineBreak + QStringLiteral("Closing aim");
    return fields;
}

// A job's city long enough for a cell taller than a page.
Fields tallCity(int characters)
{
    Fields fields = full();
    QString city;
    while (city.size() < characters)
        city += QStringLiteral("Springfield Heights ");
    fields[QStringLiteral("txtCity1")] = city.left(characters);
    return fields;
}

// Cell lines a fraction of a twip from full, from random records: the first
// two fit as LibreOffice measures them, the third takes one word less. The
// record stays on one page, clear of any page foot.
Fields linesAFractionOfATwipFromFull()
{
    Fields fields;
    fields[QStringLiteral("txtDateEmployment1")] = QStringLiteral("RlazJktk TgmDoobIhj izLDafg pppwFR");
    fields[QStringLiteral("txtDateEmployment2")] = QStringLiteral("WjbAbbhgr wGvj llo vrHMljRC");
    fields[QStringLiteral("txtCompany3")] = QStringLiteral("dlASJuD RWHmlREs jaivuB Jqps zqJxAdE Wi PRbj. TJ xTCSpfzqRN");
    return fields;
}

// An address ending in a space, so that the contact line's comma follows a
// space, at the end of the contact line's second line.
Fields commaAfterASpaceAtTheLineEnd()
{
    Fields fields;
    fields[QStringLiteral("txtStreetAddress")] = QStringLiteral(
        "v zPrB WNItGIojaG wEHwDcN NkcCOP eAdwcac. pxpopAhvf KqfBrcFMr toEJ f iAL ELfaaKcEgz l uauwPHL DtCBHmiF SFCxi "
        "hu EcvfAa LkFhnf bSvAN lTA hPOJ u uG TTs Os r KOPzKqjy FlEWoe NuHGPH aoW iJdNNkgo xEvMz vc kcnNqMol. ");
    fields[QStringLiteral("txtCity")] = QStringLiteral("LRdSs zecDwif o");
    fields[QStringLiteral("txtZipCode")] = QStringLiteral("97401");
    fields[QStringLiteral("txtPhone")] = QStringLiteral("541-555-0187");
    return fields;
}

// The first job's row split by the foot of the first page, `lines` lines of
// objective above it, its date wrapping on more lines than its company.
Fields jobRowAcrossTheFoot(int lines)
{
    Fields fields = headingNearFoot(lines);
    fields[QStringLiteral("txtDateEmployment1")] = QStringLiteral("From March 2019 until June 2024 ").repeated(8);
    fields[QStringLiteral("txtCompany1")] = QStringLiteral("Brightwater Analytics and Forecasting Services ").repeated(6);
    return fields;
}

// The same row lower down, where two lines of each cell fit above the foot of
// the first page and the row's minimum height is more than they need.
Fields jobRowStartingAtTheFoot()
{
    Fields fields = jobRowAcrossTheFoot(20);
    fields[QStringLiteral("txtObjective")] +=
        lineBreak + QStringLiteral("Planned, built and ran the systems that kept the orders moving. ").repeated(3);
    return fields;
}

// The second job's title, a one-line paragraph with the job's duties below it
// in its cell, at the foot of the first page on Letter paper: its line fits
// there, its space after does not.
Fields jobTitleAtTheFoot(const QString &title)
{
    Fields fields = headingNearFoot(13);
    fields[QStringLiteral("txtObjective")] +=
        lineBreak + QStringLiteral("Planned, built and ran the systems that kept the orders moving. ").repeated(3);
    fields[QStringLiteral("txtJobTitle2")] = title;
    return fields;
}

// The first job's title left empty, the job's duties below it in its cell, at
// the foot of the first page on Letter paper in a row whose minimum height
// reaches past the foot: the empty line fits there, its space after does not.
Fields emptyFirstJobTitleAtTheFoot()
{
    Fields fields = headingNearFoot(20);
    fields[QStringLiteral("txtObjective")] +=
        lineBreak + QStringLiteral("Planned, built and ran the systems that kept the orders moving. ").repeated(2);
    fields[QStringLiteral("txtJobTitle1")] = QString();
    return fields;
}

// The second job's title wrapping on several lines, opening its row at the foot
// of the first page on Letter paper with the job's duties below it in its
// cell: the title's last line fits there, its space after does not.
Fields wrappedJobTitleAtTheFoot()
{
    Fields fields = headingNearFoot(12);
    fields[QStringLiteral("txtObjective")] +=
        lineBreak + QStringLiteral("Planned, built and ran the systems that kept the orders moving. ").repeated(3);
    fields[QStringLiteral("txtJobTitle2")] =
        QStringLiteral("Senior Customer Support Specialist and Team Lead for the Western Region Accounts ").repeated(3);
    return fields;
}

} // namespace

std::vector<FidelityRecord> fidelityRecords()
{
    std::vector<FidelityRecord> records = {
        {QStringLiteral("Sample"), sample()},
        {QStringLiteral("FullRecord"), full()},
        {QStringLiteral("LongParagraphs"), longParagraphRecord()},
        {QStringLiteral("ManyShortLines"), manyShortLines()},
        {QStringLiteral("WrappingAwardsAndReferences"), wrappingAwardsAndReferences()},
        {QStringLiteral("UnbreakableWord"), unbreakableWord()},
        // One space each: LibreOffice draws the second and later spaces of a
        // run wider than the face's space, which Word does not.
        {QStringLiteral("OnlySpaces"), everyFieldSetTo(QStringLiteral(" "))},
        {QStringLiteral("GreekAndCyrillic"), greekAndCyrillic()},
        {QStringLiteral("ChineseJapaneseAndGreekName"), chineseJapaneseAndGreekName()},
        {QStringLiteral("ArabicName"), arabicName()},
        {QStringLiteral("HebrewDuties"), hebrewDuties()},
        {QStringLiteral("MixedDirectionDuties"), mixedDirectionDuties()},
        {QStringLiteral("LongWrappingHebrew"), longWrappingHebrew()},
        {QStringLiteral("MixedDirectionCells"), mixedDirectionCells()},
        {QStringLiteral("HebrewSentencesAcrossAPage"), hebrewSentencesAcrossAPage()},
        {QStringLiteral("LamAlefDuties"), lamAlefDuties()},
        {QStringLiteral("Empty"), Fields()},
        {QStringLiteral("LongCellTexts"), longCellTexts()},
        {QStringLiteral("FourPages"), pages(25, 30)},
        {QStringLiteral("TenPages"), pages(120, 40)},
    };
    for (int lines = 18; lines <= 22; ++lines)
        records.push_back({QStringLiteral("HeadingNearFoot%1").arg(lines), headingNearFoot(lines)});
    // Page feet that once broke unlike LibreOffice: a paragraph's lone first
    // line left at a cell's foot, a last line moved on for its space after,
    // a row standing whole at its minimum height, a cell taller than a page.
    records.push_back({QStringLiteral("LoneFirstLineAtCellFoot"), paragraphNearFoot(24)});
    records.push_back({QStringLiteral("LastLineMovesForItsSpaceAfter"), paragraphNearFoot(23)});
    records.push_back({QStringLiteral("RowWholeAtItsMinimumHeight"), paragraphNearFoot(15)});
    records.push_back({QStringLiteral("CityCellTallerThanAPage"), tallCity(2400)});
    // Lines that once broke unlike LibreOffice: measured with our exact
    // advances, and after the space before a comma.
    records.push_back({QStringLiteral("LinesAFractionOfATwipFromFull"), linesAFractionOfATwipFromFull()});
    records.push_back({QStringLiteral("CommaAfterASpaceAtTheLineEnd"), commaAfterASpaceAtTheLineEnd()});
    // The cells of a split row's last part take their vertical alignment there.
    records.push_back({QStringLiteral("ShortCellOfASplitRowsLastPartAtItsBottom"), jobRowAcrossTheFoot(20)});
    // A split row's first part stands at its minimum height, its cells aligned in it.
    records.push_back({QStringLiteral("SplitRowsFirstPartAlignedInItsMinimumHeight"), jobRowStartingAtTheFoot()});
    // A one-line paragraph opening a row at the foot stays there and leaves its
    // height and space after to the row's next part; an empty one moves the row on.
    records.push_back({QStringLiteral("TitleAtTheFootLeavesItsRoomOnTheNextPage"),
                       jobTitleAtTheFoot(QStringLiteral("Support Specialist"))});
    records.push_back({QStringLiteral("EmptyTitleAtTheFootMovesItsRowOn"), jobTitleAtTheFoot(QString())});
    records.push_back({QStringLiteral("LamBeforeALamAlefLigature"), lamBeforeLamAlef()});
    records.push_back({QStringLiteral("ArabicLineFullButItsBreakSpace"), arabicLineFullButItsBreakSpace()});
    // An empty paragraph at the foot stays where the row's minimum height holds the row's part open past it.
    records.push_back({QStringLiteral("EmptyTitleStaysInARowHeldOpenPastTheFoot"), emptyFirstJobTitleAtTheFoot()});
    // A paragraph opening a row at the foot, more of its cell below it, moves
    // its last line on where only its space after runs past the foot.
    records.push_back({QStringLiteral("WrappedTitleAtTheFootMovesItsLastLineOn"), wrappedJobTitleAtTheFoot()});
    // A random record whose split row has a line with its spacing past the
    // foot of the second page on Letter paper: no cell of that part moves
    // down to its bottom alignment.
    records.push_back({QStringLiteral("LineHangingPastTheFootKeepsSplitRowCellsAtTheTop"),
                       RandomRecords::record(247179688).fields});
    records.push_back({QStringLiteral("OneLetterHebrewWords"), oneLetterHebrewWords()});
    // Page feet from drawn records that once broke unlike LibreOffice: the
    // last line of a title above more of its cell moves on; a short last
    // paragraph of a bottom-aligned cell stays, its space after past the foot.
    records.push_back(
        {QStringLiteral("TitleAboveMoreOfItsCellLeavesItsLastLine"), RandomRecords::record(591453232).fields});
    records.push_back(
        {QStringLiteral("BottomAlignedLastParagraphKeepsItsLines"), RandomRecords::record(733272576).fields});
    // Two bottom-aligned cells whose three-line paragraphs fit but not their
    // space after: LibreOffice moves the row on rather than let both hang.
    records.push_back(
        {QStringLiteral("TwoCellsShortOfTheirSpaceAfterMoveTheRowOn"), RandomRecords::record(116823001).fields});
    // Beside text in the row's other cells that short last paragraph moves
    // its last line on, as it would in a top-aligned cell.
    records.push_back({QStringLiteral("BottomAlignedLastParagraphBesideTextMovesItsLastLineOn"),
                       RandomRecords::record(953537775).fields});
    return records;
}

const char *rightToLeftDisagreement(const QString &recordName)
{
    static const std::map<QString, const char *> reasons;
    const auto found = reasons.find(recordName);
    return found == reasons.end() ? nullptr : found->second;
}
