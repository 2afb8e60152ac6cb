#include "json_member_reader.h"

#include "plot_screen_json_format.h"

#include <cmath>

namespace plot_json {

namespace {

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

void JsonMemberReader::fail(const QString &where, const QString &what)
{
    if (error.isEmpty())
        error = where + QStringLiteral(": ") + what;
}

bool JsonMemberReader::member(const QJsonObject &o, const QString &parent, const QString &key,
                              Need need, QJsonValue *out)
{
    const auto it = o.constFind(key);
    if (it == o.constEnd()) {
        if (need == Required)
            fail(path(parent, key), QStringLiteral("missing"));
        return false;
    }
    *out = it.value();
    return true;
}

void JsonMemberReader::readBool(const QJsonObject &o, const QString &parent, const QString &key,
                                bool *out, Need need)
{
    QJsonValue v;
    if (!member(o, parent, key, need, &v))
        return;
    if (!v.isBool())
        fail(path(parent, key), QStringLiteral("expected true or false"));
    else
        *out = v.toBool();
}

void JsonMemberReader::readString(const QJsonObject &o, const QString &parent, const QString &key,
                                  QString *out)
{
    QJsonValue v;
    if (!member(o, parent, key, Required, &v))
        return;
    if (!v.isString())
        fail(path(parent, key), QStringLiteral("expected a string"));
    else
        *out = v.toString();
}

bool JsonMemberReader::wholeNumber(const QJsonValue &v, const QString &where, bool *negative,
                                   quint64 *magnitude)
{
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d != std::floor(d)) {
            fail(where, QStringLiteral("%1 is not a whole number").arg(d));
            return false;
        }
        if (!(std::fabs(d) < static_cast<double>(MaxExactInteger))) {
            fail(where, QStringLiteral("%1 is too large for a JSON number; "
                                       "write it as a decimal string")
                            .arg(d));
            return false;
        }
        *negative = d < 0;
        *magnitude = static_cast<quint64>(std::fabs(d));
        return true;
    }
    if (!v.isString()) {
        fail(where, QStringLiteral("expected a number"));
        return false;
    }
    const QString text = v.toString();
    int i = 0;
    *negative = false;
    if (text.startsWith(QLatin1Char('-'))) {
        *negative = true;
        i = 1;
    }
    if (i == text.size()) {
        fail(where, QStringLiteral("\"%1\" is not a whole number").arg(text));
        return false;
    }
    quint64 m = 0;
    const quint64 max = std::numeric_limits<quint64>::max();
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            fail(where, QStringLiteral("\"%1\" is not a whole number").arg(text));
            return false;
        }
        const quint64 digit = static_cast<quint64>(c.unicode() - '0');
        if (m > (max - digit) / 10) {
            fail(where, QStringLiteral("%1 is out of range").arg(text));
            return false;
        }
        m = m * 10 + digit;
    }
    *magnitude = m;
    return true;
}

bool JsonMemberReader::wholeNumberMember(const QJsonObject &o, const QString &parent,
                                         const QString &key, Need need, bool *negative,
                                         quint64 *magnitude)
{
    QJsonValue v;
    return member(o, parent, key, need, &v)
           && wholeNumber(v, path(parent, key), negative, magnitude);
}

void JsonMemberReader::readSigned(const QJsonObject &o, const QString &parent, const QString &key,
                                  qint64 min, qint64 max, qint64 *out, Need need)
{
    bool negative = false;
    quint64 magnitude = 0;
    if (!wholeNumberMember(o, parent, key, need, &negative, &magnitude))
        return;
    const QString where = path(parent, key);
    // Compare magnitudes in unsigned arithmetic: -min does not fit a
    // qint64 when min is its lowest value.
    const quint64 limit = negative ? quint64(-(min + 1)) + 1 : quint64(max);
    if (magnitude > limit) {
        fail(where, QStringLiteral("%1%2 is out of range (%3..%4)")
                        .arg(negative ? QStringLiteral("-") : QString())
                        .arg(magnitude)
                        .arg(min)
                        .arg(max));
        return;
    }
    *out = negative ? static_cast<qint64>(0 - magnitude) : static_cast<qint64>(magnitude);
}

void JsonMemberReader::readInt(const QJsonObject &o, const QString &parent, const QString &key,
                               int *out, Need need)
{
    qint64 value = *out;
    readSigned(o, parent, key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
               &value, need);
    *out = static_cast<int>(value);
}

void JsonMemberReader::readInt64(const QJsonObject &o, const QString &parent, const QString &key,
                                 qint64 *out, Need need)
{
    readSigned(o, parent, key, std::numeric_limits<qint64>::min(),
               std::numeric_limits<qint64>::max(), out, need);
}

void JsonMemberReader::readUnsigned(const QJsonObject &o, const QString &parent, const QString &key,
                                    unsigned long *out, unsigned long max)
{
    bool negative = false;
    quint64 magnitude = 0;
    if (!wholeNumberMember(o, parent, key, Required, &negative, &magnitude))
        return;
    const QString where = path(parent, key);
    if (negative && magnitude != 0) {
        fail(where, QStringLiteral("-%1 is negative; expected an unsigned number").arg(magnitude));
        return;
    }
    if (magnitude > max) {
        fail(where, QStringLiteral("%1 is more than %2").arg(magnitude).arg(max));
        return;
    }
    *out = static_cast<unsigned long>(magnitude);
}

bool JsonMemberReader::doubleOf(const QJsonValue &v, const QString &where, double *out)
{
    if (v.isDouble()) {
        *out = v.toDouble();
        return true;
    }
    if (v.isString()) {
        const QString text = v.toString();
        if (text == QLatin1String("nan")) {
            *out = std::numeric_limits<double>::quiet_NaN();
            return true;
        }
        if (text == QLatin1String("inf") || text == QLatin1String("-inf")) {
            const double inf = std::numeric_limits<double>::infinity();
            *out = text.startsWith(QLatin1Char('-')) ? -inf : inf;
            return true;
        }
        if (text == QLatin1String("-0")) {
            *out = -0.0;
            return true;
        }
    }
    fail(where, QStringLiteral("expected a number"));
    return false;
}

void JsonMemberReader::readDouble(const QJsonObject &o, const QString &parent, const QString &key,
                                  double *out)
{
    QJsonValue v;
    if (member(o, parent, key, Required, &v))
        doubleOf(v, path(parent, key), out);
}

void JsonMemberReader::readFloat(const QJsonObject &o, const QString &parent, const QString &key,
                                 float *out)
{
    QJsonValue v;
    double d = 0.0;
    if (!member(o, parent, key, Required, &v) || !doubleOf(v, path(parent, key), &d))
        return;
    // A finite double beyond float range has no float value at all.
    if (std::isfinite(d) && std::fabs(d) > double(std::numeric_limits<float>::max())) {
        fail(path(parent, key), QStringLiteral("%1 is out of range for a float").arg(d));
        return;
    }
    *out = static_cast<float>(d);
}

void JsonMemberReader::readColour(const QJsonObject &o, const QString &parent, const QString &key,
                                  QColor *out)
{
    QString text;
    readString(o, parent, key, &text);
    if (failed())
        return;
    if (text.isEmpty()) {
        *out = QColor();
        return;
    }
    bool hex = text.startsWith(QLatin1Char('#')) && (text.size() == 7 || text.size() == 9);
    for (int i = 1; hex && i < text.size(); ++i)
        hex = isHexDigit(text.at(i));
    if (!hex) {
        fail(path(parent, key),
             QStringLiteral("\"%1\" is not a #rrggbb or #aarrggbb colour").arg(text));
        return;
    }
    *out = QColor(text);
}

bool JsonMemberReader::object(const QJsonObject &o, const QString &parent, const QString &key,
                              QJsonObject *out)
{
    QJsonValue v;
    if (!member(o, parent, key, Required, &v))
        return false;
    if (!v.isObject()) {
        fail(path(parent, key), QStringLiteral("expected an object"));
        return false;
    }
    *out = v.toObject();
    return true;
}

bool JsonMemberReader::array(const QJsonObject &o, const QString &parent, const QString &key,
                             int maxRecords, QJsonArray *out)
{
    QJsonValue v;
    if (!member(o, parent, key, Required, &v))
        return false;
    if (!v.isArray()) {
        fail(path(parent, key), QStringLiteral("expected an array"));
        return false;
    }
    *out = v.toArray();
    if (out->size() > maxRecords) {
        fail(path(parent, key),
             QStringLiteral("%1 records, at most %2").arg(out->size()).arg(maxRecords));
        return false;
    }
    return true;
}

void JsonMemberReader::readFont(const QJsonObject &o, const QString &parent, const QString &key,
                                QFont *out)
{
    QJsonObject f;
    if (!object(o, parent, key, &f))
        return;
    const QString where = path(parent, key);
    QString family;
    double pointSize = -1.0;
    int pixelSize = -1;
    int weight = QFont::Normal;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    readString(f, where, QStringLiteral("family"), &family);
    readDouble(f, where, QStringLiteral("pointSize"), &pointSize);
    readInt(f, where, QStringLiteral("pixelSize"), &pixelSize);
    readInt(f, where, QStringLiteral("weight"), &weight);
    readBool(f, where, QStringLiteral("italic"), &italic);
    readBool(f, where, QStringLiteral("underline"), &underline);
    readBool(f, where, QStringLiteral("strikeOut"), &strikeOut);
    if (failed())
        return;
    // A font is sized either in pixels or in points; QFont keeps the other -1.
    if (pixelSize <= 0 && !(pointSize > 0.0 && std::isfinite(pointSize))) {
        fail(path(where, QStringLiteral("pointSize")),
             QStringLiteral("%1 is not a point size").arg(pointSize));
        return;
    }
    if (weight < 0 || weight > 99) {
        fail(path(where, QStringLiteral("weight")),
             QStringLiteral("%1 is out of range (0..99)").arg(weight));
        return;
    }
    QFont font(family);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    else
        font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    *out = font;
}

} // namespace plot_json
