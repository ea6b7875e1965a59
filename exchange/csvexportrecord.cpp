#include "exchange/csvexportrecord.h"

#include "platform/date.h"

#include <cmath>

namespace
{

QString cut(QString text, int width)
{
    if (text.size() > width)
        text.truncate(width);
    return text;
}

QString dateText(date::Day day, int width) { return day == 0 ? QString() : cut(date::shortText(day), width); }

std::int16_t truncatedScore(double value)
{
    const double t = std::trunc(value);
    if (!(t >= -32768.0 && t <= 32767.0))
        return 0;
    return static_cast<std::int16_t>(t);
}

void appendText(QByteArray &out, const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    const QByteArray bytes = QStringView(text).left(end).toUtf8();
    out += '"';
    if (bytes.contains('"')) {
        for (const char c : bytes) {
            if (c == '"')
                out += '"';
            out += c;
        }
    } else {
        out += bytes;
    }
    out += '"';
}

void appendNumber(QByteArray &out, long long value) { out += QByteArray::number(value); }

void appendDecimal(QByteArray &out, const Decimal &value) { out += value.toFixed(2).toLatin1(); }

} // namespace

CsvExportRecord CsvExportRecord::fromBrew(const BrewRecord &brew, std::int32_t lineNumber)
{
    CsvExportRecord r;
    r.LINENUMBER = lineNumber;
    r.BATCHNUMBER = brew.BATCHNUMBER;
    r.BREWKIT = cut(brew.BREWKIT, 45);
    r.BREWBATCHNAME = cut(brew.BREWBATCHNAME, 25);
    r.BREWSUGARTYPE = cut(brew.BREWSUGARTYPE, 25);
    r.BREWSUGARKG = brew.BREWSUGARKG;
    r.WATERVOLUMELTR = brew.WATERVOLUMELTR;
    r.YEAST = cut(brew.YEAST, 35);
    r.DATEDOWN = dateText(brew.DATEDOWN, 10);
    r.ORIGINALGRAVITY = brew.ORIGINALGRAVITY;
    r.SPAREFIELD1 = cut(brew.SPAREFIELD1, 25);
    r.STOCKONHAND = stockYesNo(brew.STOCKONHAND);
    r.ADDITIVE1 = cut(brew.ADDITIVE1, 35);
    r.ADDITIVE2 = cut(brew.ADDITIVE2, 35);
    r.ADDITIVE3 = cut(brew.ADDITIVE3, 35);
    r.ADDITIVE4 = cut(brew.ADDITIVE4, 35);
    r.ADDITIVE5 = cut(brew.ADDITIVE5, 35);
    r.PRIMERSUGARTYPE = cut(brew.PRIMERSUGARTYPE, 25);
    r.PRIMERSUGARKG = brew.PRIMERSUGARKG;
    r.BREWTEMP = brew.BREWTEMP;
    r.DATEBOTTLED = dateText(brew.DATEBOTTLED, 10);
    r.MINUSE = dateText(brew.MINUSE, 12);
    r.MAXUSE = dateText(brew.MAXUSE, 12);
    r.BREWPERIOD = brew.BREWPERIOD;
    r.BREWPERIOD2 = brew.BREWPERIOD2;
    r.FINALGRAVITY = brew.FINALGRAVITY;
    r.SPAREFIELD2 = cut(brew.SPAREFIELD2, 25);
    r.ESTIMATEDALC = brew.ESTIMATEDALC;
    r.APPEARANCE = truncatedScore(brew.APPEARANCE);
    r.AROMA = truncatedScore(brew.AROMA);
    r.TASTE = truncatedScore(brew.TASTE);
    r.OVERALL = brew.OVERALL;
    r.SPAREFIELD4 = cut(brew.SPAREFIELD4, 20);
    r.BREWCOST = brew.BREWCOST;
    return r;
}

void CsvExportRecord::appendLine(QByteArray &out) const
{
    auto comma = [&out] { out += ','; };
    appendNumber(out, LINENUMBER);
    comma();
    appendNumber(out, BATCHNUMBER);
    comma();
    appendText(out, BREWKIT);
    comma();
    appendText(out, BREWBATCHNAME);
    comma();
    appendText(out, BREWSUGARTYPE);
    comma();
    appendDecimal(out, BREWSUGARKG);
    comma();
    appendDecimal(out, WATERVOLUMELTR);
    comma();
    appendText(out, YEAST);
    comma();
    appendText(out, DATEDOWN);
    comma();
    appendNumber(out, ORIGINALGRAVITY);
    comma();
    appendText(out, SPAREFIELD1);
    comma();
    appendText(out, STOCKONHAND);
    for (const QString *additive : { &ADDITIVE1, &ADDITIVE2, &ADDITIVE3, &ADDITIVE4, &ADDITIVE5 }) {
        comma();
        appendText(out, *additive);
    }
    comma();
    appendText(out, PRIMERSUGARTYPE);
    comma();
    appendDecimal(out, PRIMERSUGARKG);
    comma();
    appendNumber(out, BREWTEMP);
    comma();
    appendText(out, DATEBOTTLED);
    comma();
    appendText(out, MINUSE);
    comma();
    appendText(out, MAXUSE);
    comma();
    appendNumber(out, BREWPERIOD);
    comma();
    appendNumber(out, BREWPERIOD2);
    comma();
    appendNumber(out, FINALGRAVITY);
    comma();
    appendText(out, SPAREFIELD2);
    comma();
    appendDecimal(out, ESTIMATEDALC);
    comma();
    appendNumber(out, APPEARANCE);
    comma();
    appendNumber(out, AROMA);
    comma();
    appendNumber(out, TASTE);
    comma();
    appendNumber(out, OVERALL);
    comma();
    appendText(out, SPAREFIELD4);
    comma();
    appendDecimal(out, BREWCOST);
    out += "\r\n";
}

QByteArray CsvExportRecord::line() const
{
    QByteArray out;
    appendLine(out);
    return out;
}
