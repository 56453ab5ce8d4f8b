// Replays a corpus through the records fuzz target without libFuzzer: every file goes through the
// readers, the round trips and the loader. A broken invariant aborts, as under the fuzzer.
// Seeds named term-*, teachers-* and chart-* must also read whole as that kind of file, and
// damaged-* as a term must not: a valid file that stops reading is a regression too.
//
//   quillbox_fuzz_replay DIR|FILE...

#include "fuzz_records.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

bool ExpectationsHold(const QString &name, const FuzzOutcome &o)
{
    if (name.startsWith(QLatin1String("term-")))
        return o.studentWhole;
    if (name.startsWith(QLatin1String("teachers-")))
        return o.teachersWhole;
    if (name.startsWith(QLatin1String("chart-")))
        return o.chartWhole;
    if (name.startsWith(QLatin1String("damaged-term-")))
        return !o.studentWhole;
    return true; // inputs the fuzzer found: only the invariants count
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    SetFuzzAlwaysLoad(true);

    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QFileInfo info(arg);
        if (info.isDir()) {
            const QDir dir(arg);
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
                files << dir.filePath(name);
        } else if (info.isFile()) {
            files << arg;
        } else {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
            return 2;
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "nothing to replay\n");
        return 2;
    }

    int passed = 0, failed = 0;
    for (const QString &path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            ++failed;
            continue;
        }
        const QByteArray bytes = f.readAll();
        std::printf("%s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                               size_t(bytes.size()));
        if (ExpectationsHold(QFileInfo(path).fileName(), LastFuzzOutcome())) {
            ++passed;
        } else {
            std::fprintf(stderr, "%s does not read as its name says\n", qPrintable(path));
            ++failed;
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
