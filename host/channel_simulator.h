// Live channels of the demo test cell: a turbofan run through a repeating
// throttle schedule, and the history of samples the plot screen draws from.
#ifndef XY_PLOT_HOST_CHANNEL_SIMULATOR_H
#define XY_PLOT_HOST_CHANNEL_SIMULATOR_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

class ChannelSimulator
{
public:
    ChannelSimulator();

    // Every simulated channel, "Time" [s] first.
    static QStringList channelNames();

    const QStringList &names() const { return m_names; }
    int channelCount() const { return m_names.size(); }
    // Index of a channel in names() and values(), or -1.
    int indexOf(const QString &name) const { return m_index.value(name, -1); }

    // Back to an engine settled at idle at time 0.
    void reset();
    // Advances the run by dt seconds; the values then describe the new time.
    void step(double dt);
    double time() const { return m_time; }
    // Current value of every channel, in names() order.
    const QVector<double> &values() const { return m_values; }

    // Throttle lever angle [deg] that the schedule asks for at time t.
    static double throttleSchedule(double t);

private:
    void computeOutputs();

    QStringList m_names;
    QHash<QString, int> m_index;
    QVector<double> m_values;
    double m_time = 0.0;
    quint64 m_steps = 0;
    // First-order lags of the engine's dynamics.
    double m_n1Pct = 0.0;
    double m_n2Pct = 0.0;
    double m_fuelCmd = 0.0;
    double m_egt = 0.0;
    double m_oilTemp = 0.0;
    double m_oilQty = 0.0;
};

// The last samples of every channel, oldest first, in a ring of fixed
// capacity; samples older than the storage period are dropped.
class SampleHistory
{
public:
    // Empties the history and sizes it for capacity samples of channels.
    void reset(int channels, int capacity);
    // Changes the capacity, keeping the newest samples that fit.
    void setCapacity(int capacity);

    void append(double time, const QVector<double> &values);
    // Drops every sample taken before time.
    void dropBefore(double time);

    int size() const { return m_count; }
    int capacity() const { return m_capacity; }
    int channelCount() const { return m_channels; }
    double timeAt(int i) const { return m_times[physical(i)]; }
    double value(int i, int channel) const
    {
        return m_data[static_cast<size_t>(physical(i)) * static_cast<size_t>(m_channels)
                      + static_cast<size_t>(channel)];
    }
    // Index of the first sample taken at or after time (size() if none).
    int firstAtOrAfter(double time) const;

private:
    int physical(int i) const { return (m_head + i) % m_capacity; }

    int m_channels = 0;
    int m_capacity = 1;
    int m_head = 0;
    int m_count = 0;
    std::vector<double> m_times = std::vector<double>(1);
    std::vector<double> m_data;
};

#endif // XY_PLOT_HOST_CHANNEL_SIMULATOR_H
