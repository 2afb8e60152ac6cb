#include "channel_simulator.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

enum Channel {
    Time,
    Throttle_PLA,
    N1_Speed,
    N2_Speed,
    N1_Pct,
    N2_Pct,
    N1_Corr,
    EGT,
    EGT_Spread,
    T2,
    T25,
    T3,
    T45,
    P2,
    P25,
    P3,
    P45,
    Fuel_Flow,
    Fuel_Press,
    Fuel_Temp,
    Oil_Press,
    Oil_Temp,
    Oil_Qty,
    Thrust,
    Thrust_Net,
    TSFC,
    Vib_Fan,
    Vib_Core,
    Vib_LPT,
    VSV_Pos,
    VBV_Pos,
    Bleed_Valve,
    Cell_Baro,
    Cell_Temp,
    Cell_Humidity,
    Cell_Airflow,
    Bearing_Temp_1,
    Bearing_Temp_2,
    Starter_Press,
    Ignition_On,
    ChannelCount
};

const char *const ChannelNames[ChannelCount] = {"Time",
                                                "Throttle_PLA",
                                                "N1_Speed",
                                                "N2_Speed",
                                                "N1_Pct",
                                                "N2_Pct",
                                                "N1_Corr",
                                                "EGT",
                                                "EGT_Spread",
                                                "T2",
                                                "T25",
                                                "T3",
                                                "T45",
                                                "P2",
                                                "P25",
                                                "P3",
                                                "P45",
                                                "Fuel_Flow",
                                                "Fuel_Press",
                                                "Fuel_Temp",
                                                "Oil_Press",
                                                "Oil_Temp",
                                                "Oil_Qty",
                                                "Thrust",
                                                "Thrust_Net",
                                                "TSFC",
                                                "Vib_Fan",
                                                "Vib_Core",
                                                "Vib_LPT",
                                                "VSV_Pos",
                                                "VBV_Pos",
                                                "Bleed_Valve",
                                                "Cell_Baro",
                                                "Cell_Temp",
                                                "Cell_Humidity",
                                                "Cell_Airflow",
                                                "Bearing_Temp_1",
                                                "Bearing_Temp_2",
                                                "Starter_Press",
                                                "Ignition_On"};

const double IdlePla = 22.0;
const double TakeoffPla = 80.0;
const double CruisePla = 55.0;
const double SchedulePeriod = 150.0; // s
const double N1MaxRpm = 5200.0;
const double N2MaxRpm = 15200.0;

double smoothStep(double x)
{
    x = qBound(0.0, x, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

double lagFactor(double dt, double tau)
{
    return 1.0 - std::exp(-dt / tau);
}

// Spool speeds [% of max] the throttle settles at.
double n2Target(double pla)
{
    return 60.0 + (pla - IdlePla) / (TakeoffPla - IdlePla) * 40.0;
}
double n1Target(double pla)
{
    return 25.0 + (pla - IdlePla) / (TakeoffPla - IdlePla) * 70.0;
}
double fuelFor(double n2Pct)
{
    return 300.0 + 5600.0 * std::pow(qMax(0.0, (n2Pct - 55.0) / 45.0), 2.5);
}
double egtFor(double fuelFlow)
{
    return 380.0 + 0.09 * fuelFlow;
}
double oilTempFor(double n2Pct)
{
    return 55.0 + 40.0 * (n2Pct / 100.0) * (n2Pct / 100.0);
}
double oilQtyFor(double n2Pct)
{
    return 18.5 - 1.6 * (n2Pct / 100.0) * (n2Pct / 100.0);
}

// Deterministic measurement noise in [-1, 1] for a sample and a channel.
double noise(quint64 step, int channel)
{
    quint64 x =
        step * 0x9E3779B97F4A7C15ULL + static_cast<quint64>(channel) * 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 31;
    x *= 0x94D049BB133111EBULL;
    x ^= x >> 29;
    return static_cast<double>(x % 20001) / 10000.0 - 1.0;
}

} // namespace

ChannelSimulator::ChannelSimulator()
    : m_names(channelNames())
{
    for (int i = 0; i < m_names.size(); ++i)
        m_index.insert(m_names.at(i), i);
    m_values.resize(ChannelCount);
    reset();
}

QStringList ChannelSimulator::channelNames()
{
    QStringList names;
    for (const char *name : ChannelNames)
        names.append(QLatin1String(name));
    return names;
}

double ChannelSimulator::throttleSchedule(double t)
{
    // Idle, slam to take-off, hold, back to maximum continuous, hold, idle.
    const double s = std::fmod(qMax(0.0, t), SchedulePeriod);
    if (s < 10.0)
        return IdlePla;
    if (s < 25.0)
        return IdlePla + (TakeoffPla - IdlePla) * smoothStep((s - 10.0) / 15.0);
    if (s < 60.0)
        return TakeoffPla;
    if (s < 75.0)
        return TakeoffPla + (CruisePla - TakeoffPla) * smoothStep((s - 60.0) / 15.0);
    if (s < 110.0)
        return CruisePla;
    if (s < 125.0)
        return CruisePla + (IdlePla - CruisePla) * smoothStep((s - 110.0) / 15.0);
    return IdlePla;
}

void ChannelSimulator::reset()
{
    m_time = 0.0;
    m_steps = 0;
    m_n1Pct = n1Target(IdlePla);
    m_n2Pct = n2Target(IdlePla);
    m_fuelCmd = m_n2Pct;
    m_egt = egtFor(fuelFor(m_n2Pct));
    m_oilTemp = 48.0; // a warm engine that has not yet reached its running temperature
    m_oilQty = oilQtyFor(m_n2Pct);
    computeOutputs();
}

void ChannelSimulator::step(double dt)
{
    if (!(dt > 0.0))
        return;
    m_time += dt;
    ++m_steps;
    const double pla = throttleSchedule(m_time);
    // The fuel control leads the core, the fan follows the core.
    m_fuelCmd += (n2Target(pla) - m_fuelCmd) * lagFactor(dt, 0.6);
    m_n2Pct += (n2Target(pla) - m_n2Pct) * lagFactor(dt, 1.8);
    m_n1Pct += (n1Target(pla) - m_n1Pct) * lagFactor(dt, 3.0);
    m_egt += (egtFor(fuelFor(m_fuelCmd)) - m_egt) * lagFactor(dt, 2.5);
    m_oilTemp += (oilTempFor(m_n2Pct) - m_oilTemp) * lagFactor(dt, 60.0);
    m_oilQty += (oilQtyFor(m_n2Pct) - m_oilQty) * lagFactor(dt, 5.0);
    computeOutputs();
}

void ChannelSimulator::computeOutputs()
{
    double *v = m_values.data();
    const double t = m_time;
    const double n1 = m_n1Pct / 100.0;
    const double n2 = m_n2Pct / 100.0;
    auto jitter = [this](int channel, double amplitude) {
        return amplitude * noise(m_steps, channel);
    };

    v[Time] = t;
    v[Throttle_PLA] = throttleSchedule(t);
    v[Cell_Baro] = 101.32 + 0.02 * std::sin(t / 400.0);
    v[Cell_Temp] = 14.5 + 0.6 * std::sin(2.0 * M_PI * t / 900.0);
    v[Cell_Humidity] = 55.0 + 3.0 * std::sin(2.0 * M_PI * t / 1300.0) + jitter(Cell_Humidity, 0.2);
    v[N1_Pct] = m_n1Pct + jitter(N1_Pct, 0.05);
    v[N2_Pct] = m_n2Pct + jitter(N2_Pct, 0.03);
    v[N1_Speed] = v[N1_Pct] / 100.0 * N1MaxRpm;
    v[N2_Speed] = v[N2_Pct] / 100.0 * N2MaxRpm;
    v[T2] = v[Cell_Temp] - 0.8 * n1 * n1 + jitter(T2, 0.05);
    v[N1_Corr] = v[N1_Speed] / std::sqrt((v[T2] + 273.15) / 288.15);
    const double fuel = fuelFor(m_fuelCmd);
    v[Fuel_Flow] = fuel + jitter(Fuel_Flow, 6.0);
    v[EGT] = m_egt + jitter(EGT, 1.5);
    v[EGT_Spread] = 14.0 + 0.004 * fuel + jitter(EGT_Spread, 0.6);
    v[T25] = v[T2] + 95.0 * std::pow(n1, 1.5);
    v[T3] =
        v[T2] + 120.0 + 430.0 * std::pow(qMax(0.0, (m_n2Pct - 58.0) / 42.0), 1.4) + jitter(T3, 1.0);
    v[T45] = m_egt + 150.0 + jitter(T45, 1.5);
    v[P2] = v[Cell_Baro] - 4.5 * n1 * n1;
    v[P25] = v[P2] * (1.0 + 1.6 * n1 * n1);
    v[P3] = v[P2] * (1.0 + 30.0 * n2 * n2 * n2) + jitter(P3, 3.0);
    v[P45] = v[P3] * 0.26;
    v[Fuel_Press] = 350.0 + 1.1 * v[P3] + jitter(Fuel_Press, 4.0);
    v[Fuel_Temp] = 26.0 + 4.0 * (1.0 - std::exp(-t / 600.0));
    v[Oil_Press] = 140.0 + 310.0 * n2 * n2 + jitter(Oil_Press, 1.5);
    v[Oil_Temp] = m_oilTemp + jitter(Oil_Temp, 0.1);
    v[Oil_Qty] = m_oilQty;
    const double thrust = 4.0 + 230.0 * std::pow(qMax(0.0, (m_n1Pct - 20.0) / 75.0), 1.9);
    v[Thrust] = thrust + jitter(Thrust, 0.4);
    v[Cell_Airflow] = 20.0 + 360.0 * std::pow(n1, 1.4);
    v[Thrust_Net] = v[Thrust] * 0.97;
    v[TSFC] = fuel / 3600.0 * 1000.0 / qMax(1.0, thrust); // g/(kN s)
    // The fan passes a resonance near 78 % N1.
    const double fanResonance = std::exp(-std::pow((m_n1Pct - 78.0) / 4.0, 2.0));
    v[Vib_Fan] = 0.12 + 0.45 * n1 * n1 + 0.35 * fanResonance + jitter(Vib_Fan, 0.02);
    v[Vib_Core] = 0.18 + 0.55 * n2 * n2 * n2 + jitter(Vib_Core, 0.02);
    v[Vib_LPT] = 0.10 + 0.30 * n1 * n1 + 0.5 * 0.35 * fanResonance + jitter(Vib_LPT, 0.015);
    v[VSV_Pos] = -38.0 + 40.0 * smoothStep((m_n2Pct - 60.0) / 40.0);
    v[VBV_Pos] = 100.0 * (1.0 - smoothStep((m_n2Pct - 62.0) / 25.0));
    v[Bleed_Valve] = m_n2Pct < 70.0 ? 1.0 : 0.0;
    v[Bearing_Temp_1] = m_oilTemp + 15.0 * n1 * n1;
    v[Bearing_Temp_2] = m_oilTemp + 25.0 * n2 * n2;
    v[Starter_Press] = 0.0; // starter cut out: the engine is running
    v[Ignition_On] = 1.0;
}

// ------------------------------------------------------------------ history

void SampleHistory::reset(int channels, int capacity)
{
    m_channels = qMax(0, channels);
    m_capacity = qMax(1, capacity);
    m_head = 0;
    m_count = 0;
    m_times.assign(static_cast<size_t>(m_capacity), 0.0);
    m_data.assign(static_cast<size_t>(m_capacity) * static_cast<size_t>(m_channels), 0.0);
}

void SampleHistory::setCapacity(int capacity)
{
    capacity = qMax(1, capacity);
    if (capacity == m_capacity)
        return;
    const int keep = qMin(m_count, capacity);
    std::vector<double> times(static_cast<size_t>(capacity), 0.0);
    std::vector<double> data(static_cast<size_t>(capacity) * static_cast<size_t>(m_channels), 0.0);
    for (int i = 0; i < keep; ++i) {
        const int from = m_count - keep + i;
        times[static_cast<size_t>(i)] = timeAt(from);
        for (int c = 0; c < m_channels; ++c)
            data[static_cast<size_t>(i) * static_cast<size_t>(m_channels) + static_cast<size_t>(c)] =
                value(from, c);
    }
    m_times.swap(times);
    m_data.swap(data);
    m_capacity = capacity;
    m_head = 0;
    m_count = keep;
}

void SampleHistory::append(double time, const QVector<double> &values)
{
    int slot;
    if (m_count < m_capacity) {
        slot = physical(m_count);
        ++m_count;
    } else {
        // Full: the newest sample takes the oldest one's place.
        slot = m_head;
        m_head = (m_head + 1) % m_capacity;
    }
    m_times[static_cast<size_t>(slot)] = time;
    const int n = qMin(m_channels, values.size());
    double *row = m_data.data() + static_cast<size_t>(slot) * static_cast<size_t>(m_channels);
    std::copy(values.constBegin(), values.constBegin() + n, row);
    std::fill(row + n, row + m_channels, 0.0);
}

void SampleHistory::dropBefore(double time)
{
    const int drop = firstAtOrAfter(time);
    m_head = (m_head + drop) % m_capacity;
    m_count -= drop;
}

int SampleHistory::firstAtOrAfter(double time) const
{
    int lo = 0;
    int hi = m_count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (timeAt(mid) < time)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}
