// Audit trail of a plot screen: one JSON line per applied description, so
// that what was shown during a run can be traced afterwards.
#ifndef XY_PLOT_HOST_AUDIT_TRAIL_H
#define XY_PLOT_HOST_AUDIT_TRAIL_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Plot_Screen_Info;

class AuditTrail
{
public:
    // Appends to the JSON Lines file fileName (created on first append).
    explicit AuditTrail(const QString &fileName);

    const QString &fileName() const { return m_fileName; }

    // Appends one line: the time (ISO 8601, UTC), screenFile, the user, the
    // differences from before to applied and applied itself. A line is
    // written whole or not at all; on failure returns false and keeps the
    // reason in errorString().
    bool append(const QString &screenFile, const Plot_Screen_Info &before,
                const Plot_Screen_Info &applied);

    // Why the last append failed; empty after a success.
    const QString &errorString() const { return m_error; }

    // The line append() writes at time, newline included.
    static QByteArray entryLine(const QDateTime &time, const QString &screenFile,
                                const Plot_Screen_Info &before, const Plot_Screen_Info &applied);

    // The user running the host: USER, else USERNAME, else empty.
    static QString userName();

private:
    QString m_fileName;
    QString m_error;
};

#endif // XY_PLOT_HOST_AUDIT_TRAIL_H
