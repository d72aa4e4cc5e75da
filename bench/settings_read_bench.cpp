// Reading one key of setting.ini: a code page 932 file of a few lines, and one of 100,000 lines
// (a damaged or hand-made file may hold any number), the key at its end.
#include "catalogue/TextCodec.h"
#include "system/SettingsFile.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

void BM_SettingsRead(benchmark::State& state) {
    QString text = QStringLiteral(u"[Setting]\r\n");
    for (int line = 0; line < state.range(0); ++line)
        text += QStringLiteral(u"No%1=宇宙戦用\t11.28 22:40\t003,004,013\r\n").arg(line);
    text += QStringLiteral(u"path=C:\\ゲーム\r\n");
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("setting.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(*velmora::EncodeText(text, velmora::TextEncoding::Cp932)) < 0)
        throw std::runtime_error("setting.ini not written");
    file.close();
    const velmora::SettingsFile settings(path);
    for (auto _ : state) {
        if (settings.Read(QStringLiteral("Setting"), QStringLiteral("path")).isEmpty())
            throw std::runtime_error("key not read");
    }
}
BENCHMARK(BM_SettingsRead)->Arg(5)->Arg(100000)->ArgName("lines")->Unit(benchmark::kMillisecond);

}  // namespace
