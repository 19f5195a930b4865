#include "game/randomgenerator.h"

RandomGenerator::RandomGenerator(quint64 seed)
{
    this->seed(seed);
}

void RandomGenerator::seed(quint64 seed)
{
    // xorshift never leaves the all-zero state, so that one is mapped away.
    state = mix(seed);
    if (state == 0)
        state = Q_UINT64_C(0x9e3779b97f4a7c15);
}

quint64 RandomGenerator::mix(quint64 value)
{
    value += Q_UINT64_C(0x9e3779b97f4a7c15);
    value = (value ^ (value >> 30)) * Q_UINT64_C(0xbf58476d1ce4e5b9);
    value = (value ^ (value >> 27)) * Q_UINT64_C(0x94d049bb133111eb);
    return value ^ (value >> 31);
}

quint64 RandomGenerator::next()
{
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * Q_UINT64_C(0x2545f4914f6cdd1d);
}

qint32 RandomGenerator::between(qint32 low, qint32 high)
{
    if (high <= low)
        return low;
    const quint64 span = quint64(qint64(high) - qint64(low)) + 1;
    // The top bits are the best mixed ones; the modulo bias over spans this
    // small is far below anything a player could notice.
    return qint32(qint64(low) + qint64((next() >> 11) % span));
}

bool RandomGenerator::chance(int perMille)
{
    return between(0, 999) < perMille;
}
