#ifndef RANDOMGENERATOR_H
#define RANDOMGENERATOR_H

#include <QtGlobal>

// The tower's source of chance. A generator of our own rather than the
// library's: the same seed must draw the same numbers on every compiler,
// library and architecture, or a daily tower would differ between phones.
// SplitMix64 spreads the seed, xorshift64* draws from it.
class RandomGenerator
{
public:
    explicit RandomGenerator(quint64 seed = 0);

    void seed(quint64 seed);
    quint64 next();
    // A whole number in [low, high], both ends included.
    qint32 between(qint32 low, qint32 high);
    // True with the given chance, in parts per thousand.
    bool chance(int perMille);

    // One SplitMix64 round: turns related inputs (consecutive days, say)
    // into unrelated seeds.
    static quint64 mix(quint64 value);

private:
    quint64 state;
};

#endif // RANDOMGENERATOR_H
