// Typed reading of the members of JSON objects, strict about what each
// member can hold, with the first problem named by the member's path.
#ifndef XY_PLOT_ENGINE_JSON_MEMBER_READER_H
#define XY_PLOT_ENGINE_JSON_MEMBER_READER_H

#include <QColor>
#include <QFont>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <limits>

namespace plot_json {

enum Need { Required, Optional };

// Reads members into their targets and keeps the first problem, named by
// the member's path ("plotAxisInfo[2].varChannels[3].lineWidth"). After a
// problem further reads change nothing that matters: the caller discards
// the half-filled copy.
class JsonMemberReader
{
public:
    QString error;

    bool failed() const { return !error.isEmpty(); }

    static QString path(const QString &parent, const QString &key)
    {
        return parent.isEmpty() ? key : parent + QLatin1Char('.') + key;
    }

    void fail(const QString &where, const QString &what);

    // The member's value; false when absent (a problem only if required).
    bool member(const QJsonObject &o, const QString &parent, const QString &key, Need need,
                QJsonValue *out);

    void readBool(const QJsonObject &o, const QString &parent, const QString &key, bool *out,
                  Need need = Required);

    void readString(const QJsonObject &o, const QString &parent, const QString &key, QString *out);

    // Whole number as sign and magnitude, from a JSON number or a decimal string.
    bool wholeNumber(const QJsonValue &v, const QString &where, bool *negative, quint64 *magnitude);
    // The same for a member; false when it is absent or not a whole number.
    bool wholeNumberMember(const QJsonObject &o, const QString &parent, const QString &key,
                           Need need, bool *negative, quint64 *magnitude);

    void readSigned(const QJsonObject &o, const QString &parent, const QString &key, qint64 min,
                    qint64 max, qint64 *out, Need need);

    void readInt(const QJsonObject &o, const QString &parent, const QString &key, int *out,
                 Need need = Required);

    void readInt64(const QJsonObject &o, const QString &parent, const QString &key, qint64 *out,
                   Need need = Required);

    void readUnsigned(const QJsonObject &o, const QString &parent, const QString &key,
                      unsigned long *out,
                      unsigned long max = std::numeric_limits<unsigned long>::max());

    bool doubleOf(const QJsonValue &v, const QString &where, double *out);

    void readDouble(const QJsonObject &o, const QString &parent, const QString &key, double *out);

    void readFloat(const QJsonObject &o, const QString &parent, const QString &key, float *out);

    void readColour(const QJsonObject &o, const QString &parent, const QString &key, QColor *out);

    bool object(const QJsonObject &o, const QString &parent, const QString &key, QJsonObject *out);

    bool array(const QJsonObject &o, const QString &parent, const QString &key, int maxRecords,
               QJsonArray *out);

    void readFont(const QJsonObject &o, const QString &parent, const QString &key, QFont *out);
};

} // namespace plot_json

#endif // XY_PLOT_ENGINE_JSON_MEMBER_READER_H
