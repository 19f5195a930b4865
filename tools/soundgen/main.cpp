// Synthesises the game's sound effects and checks that the committed copies
// are what this program makes.
//
//   soundgen generate <repo>   writes qml/sounds/<cue>.wav
//   soundgen verify <repo>     synthesises into a temporary directory, compares
//                              byte for byte and checks the size limits
//
// Every cue is built from the same few voices (a soft triangle, a sine, a
// little noise) on the notes of one pentatonic scale, so the set sounds like
// one game. Samples are computed in double precision and rounded once, from
// a fixed noise seed: the output is the same on every run.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const int SampleRate = 44100;
// Well below the limits a phone's store and player expect: each cue under
// 0.6 s, all of them together under 400 KB.
const double MaxSeconds = 0.6;
const qint64 MaxTotalBytes = 400 * 1000;
const double Pi = 3.14159265358979323846;

enum Wave { Sine, Triangle, Noise };

// One voice of a cue: a pitch glide from f0 to f1 (exponential, as the ear
// hears pitch) under a short attack and an exponential decay.
struct Partial
{
    double start;
    double length;
    double f0;
    double f1;
    Wave wave;
    double gain;
    double decay; // time constant of the fade, seconds
};

struct Cue
{
    const char *name;
    double length;
    std::vector<Partial> partials;
};

// Notes of the scale the cues share (C major pentatonic).
const double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.00;
const double C6 = 1046.50, E6 = 1318.51, G4 = 392.00, A4 = 440.00;

std::vector<Cue> cues()
{
    std::vector<Cue> all;
    all.push_back({"jump", 0.14, {{0, 0.14, 330, 700, Triangle, 0.55, 0.07}}});
    all.push_back({"bump-wall",
                   0.09,
                   {{0, 0.09, 150, 90, Sine, 0.8, 0.03}, {0, 0.02, 0, 0, Noise, 0.25, 0.008}}});
    all.push_back(
            {"bump-block",
             0.1,
             {{0, 0.1, 260, 190, Triangle, 0.6, 0.035}, {0, 0.015, 0, 0, Noise, 0.3, 0.006}}});
    all.push_back({"hit",
                   0.35,
                   {{0, 0.35, 190, 55, Sine, 0.9, 0.12},
                    {0, 0.12, 0, 0, Noise, 0.5, 0.04},
                    {0, 0.2, 380, 110, Triangle, 0.3, 0.06}}});
    all.push_back(
            {"fall",
             0.55,
             {{0, 0.55, A5, 110, Triangle, 0.55, 0.3}, {0.4, 0.15, 90, 50, Sine, 0.7, 0.06}}});
    all.push_back({"shield",
                   0.3,
                   {{0, 0.3, A5, E5, Sine, 0.5, 0.12},
                    {0, 0.3, E6, C6, Sine, 0.25, 0.09},
                    {0, 0.03, 0, 0, Noise, 0.2, 0.01}}});
    all.push_back(
            {"dash",
             0.25,
             {{0, 0.25, 220, 1200, Triangle, 0.45, 0.12}, {0, 0.2, 0, 0, Noise, 0.12, 0.08}}});
    all.push_back({"clear",
                   0.34,
                   {{0, 0.1, C5, C5, Triangle, 0.5, 0.06},
                    {0.08, 0.1, E5, E5, Triangle, 0.5, 0.06},
                    {0.16, 0.18, G5, G5, Triangle, 0.5, 0.08},
                    {0.16, 0.18, C6, C6, Sine, 0.2, 0.08}}});
    all.push_back({"shield-pickup",
                   0.32,
                   {{0, 0.1, G4, G4, Sine, 0.5, 0.07},
                    {0.08, 0.1, D5, D5, Sine, 0.5, 0.07},
                    {0.16, 0.16, G5, G5, Sine, 0.5, 0.09},
                    {0.16, 0.16, D5 * 2, D5 * 2, Sine, 0.2, 0.06}}});
    all.push_back({"section", 0.12, {{0, 0.12, C6, C6, Sine, 0.22, 0.04}}});
    all.push_back({"best",
                   0.55,
                   {{0, 0.1, C5, C5, Triangle, 0.45, 0.07},
                    {0.09, 0.1, E5, E5, Triangle, 0.45, 0.07},
                    {0.18, 0.1, G5, G5, Triangle, 0.45, 0.07},
                    {0.27, 0.28, C6, C6, Triangle, 0.5, 0.14},
                    {0.27, 0.28, E6, E6, Sine, 0.15, 0.1}}});
    all.push_back({"reward",
                   0.55,
                   {{0, 0.09, A4, A4, Sine, 0.45, 0.06},
                    {0.08, 0.09, D5, D5, Sine, 0.45, 0.06},
                    {0.16, 0.09, A5, A5, Sine, 0.45, 0.06},
                    {0.24, 0.31, E6, E6, Sine, 0.35, 0.12},
                    {0.24, 0.31, A5, A5, Triangle, 0.3, 0.14}}});
    all.push_back({"button", 0.045, {{0, 0.045, 1500, 1200, Sine, 0.3, 0.012}}});
    return all;
}

double waveform(Wave wave, double phase, std::uint32_t &noise)
{
    switch (wave) {
    case Sine:
        return std::sin(2 * Pi * phase);
    case Triangle: {
        const double p = phase - std::floor(phase);
        return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    }
    case Noise:
        noise = noise * 1664525u + 1013904223u;
        return static_cast<double>(noise >> 8) / 8388608.0 - 1.0;
    }
    return 0;
}

std::vector<qint16> render(const Cue &cue)
{
    const int frames = static_cast<int>(cue.length * SampleRate);
    std::vector<double> mix(frames, 0.0);
    std::uint32_t noise = 0x484f504cu;
    for (const Partial &p : cue.partials) {
        const int first = static_cast<int>(p.start * SampleRate);
        const int count = static_cast<int>(p.length * SampleRate);
        double phase = 0;
        for (int i = 0; i < count && first + i < frames; ++i) {
            const double t = static_cast<double>(i) / SampleRate;
            const double progress = static_cast<double>(i) / count;
            const double frequency = p.f0 > 0 ? p.f0 * std::pow(p.f1 / p.f0, progress) : 0;
            // A 3 ms attack and a 5 ms release keep every edge free of clicks.
            const double attack = std::min(1.0, t / 0.003);
            const double release = std::min(1.0, (count - i) / (0.005 * SampleRate));
            const double envelope = attack * release * std::exp(-t / p.decay);
            mix[first + i] += p.gain * envelope * waveform(p.wave, phase, noise);
            phase += frequency / SampleRate;
        }
    }
    std::vector<qint16> samples(frames);
    for (int i = 0; i < frames; ++i) {
        // A gentle limiter instead of clipping where voices overlap.
        const double limited = std::tanh(mix[i]) * 0.85;
        samples[i] = static_cast<qint16>(std::lround(limited * 32767));
    }
    return samples;
}

void putLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

QByteArray wav(const std::vector<qint16> &samples)
{
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    putLe(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, SampleRate, 4);
    putLe(out, SampleRate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out.append("data");
    putLe(out, dataBytes, 4);
    for (qint16 sample : samples)
        putLe(out, static_cast<quint16>(sample), 2);
    return out;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString soundPath(const QString &root, const char *name)
{
    return root + QStringLiteral("/qml/sounds/") + QLatin1String(name) + QStringLiteral(".wav");
}

bool generate(const QString &root)
{
    if (!QDir().mkpath(root + QStringLiteral("/qml/sounds"))) {
        err() << "cannot create " << root << "/qml/sounds\n";
        return false;
    }
    for (const Cue &cue : cues()) {
        QFile file(soundPath(root, cue.name));
        const QByteArray bytes = wav(render(cue));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            err() << "cannot write " << file.fileName() << '\n';
            return false;
        }
    }
    return true;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool verify(const QString &repo)
{
    QTemporaryDir scratch;
    if (!scratch.isValid() || !generate(scratch.path()))
        return false;
    bool ok = true;
    qint64 total = 0;
    for (const Cue &cue : cues()) {
        const QByteArray made = readAll(soundPath(scratch.path(), cue.name));
        const QByteArray committed = readAll(soundPath(repo, cue.name));
        total += committed.size();
        const double seconds = (committed.size() - 44) / (2.0 * SampleRate);
        if (committed.isEmpty()) {
            err() << "missing: qml/sounds/" << cue.name << ".wav\n";
            ok = false;
        } else if (committed != made) {
            err() << "qml/sounds/" << cue.name
                  << ".wav differs from what soundgen makes (run the `sounds` target)\n";
            ok = false;
        }
        if (seconds >= MaxSeconds) {
            err() << "qml/sounds/" << cue.name << ".wav lasts " << seconds << " s, must be under "
                  << MaxSeconds << " s\n";
            ok = false;
        }
    }
    if (total >= MaxTotalBytes) {
        err() << "the sounds take " << total << " bytes together, must be under " << MaxTotalBytes
              << '\n';
        ok = false;
    }
    if (ok)
        QTextStream(stdout) << cues().size() << " sounds up to date, " << total << " bytes\n";
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("generate"))
        return generate(args.at(2)) ? EXIT_SUCCESS : EXIT_FAILURE;
    if (args.size() == 3 && args.at(1) == QLatin1String("verify"))
        return verify(args.at(2)) ? EXIT_SUCCESS : EXIT_FAILURE;
    err() << "usage: soundgen generate|verify <repo>\n";
    return 2;
}
