// The Debian package built from this build folder: its control fields, its
// files readable for every user, and the unpacked program starting on the
// supplied data for a user who has never run it.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "tests/support/TestSupport.h"

namespace {

struct Result {
    int code;
    std::string out;
};

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Runs a command (program first) to its end; its output and error output together.
Result run(std::initializer_list<std::string> command) {
    QStringList args;
    for (const std::string& a : command) args << q(a);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(args.takeFirst(), args);
    if (!p.waitForFinished(300000)) p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll().toStdString()};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The value of one field of a package's control data ("" when it is missing).
std::string field(const std::string& control, const std::string& name) {
    size_t at = ("\n" + control).find("\n" + name + ": ");
    if (at == std::string::npos) return {};
    size_t from = at + name.size() + 2;
    return control.substr(from, control.find('\n', from) - from);
}

}  // namespace

TEST(DebianPackage, InstallsForEveryUserAndStartsOnTheSuppliedData) {
    for (const char* tool : {"dpkg", "dpkg-deb", "dpkg-shlibdeps", "file", "appstreamcli"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir tmp;
    const std::string dir = tmp.path().toStdString() + "/";
    const std::string version = MELVATO_VERSION;

    Result pack = run(
        {MELVATO_CPACK, "-G", "DEB", "--config", MELVATO_BINARY_DIR "/CPackConfig.cmake", "-B", dir + "out"});
    ASSERT_EQ(pack.code, 0) << pack.out;
    std::string arch = run({"dpkg", "--print-architecture"}).out;
    arch.erase(arch.find_last_not_of("\n") + 1);
    const std::string deb = dir + "out/melvato_" + version + "_" + arch + ".deb";
    ASSERT_TRUE(testing_support::fileExists(deb)) << pack.out;

    std::string control = run({"dpkg-deb", "-f", deb}).out;
    for (auto [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"Package", "melvato"}, {"Version", version}, {"Architecture", arch}, {"Section", "games"}})
        EXPECT_EQ(field(control, name), value);
    // Computed from the program file, plus what Qt loads only at run time.
    for (const char* dependency : {"libqt6widgets6", "libsdl2-mixer-2.0-0", "libzip", "libespeak-ng1",
                                   "qt6-qpa-plugins", "libqt6svg6", "espeak-ng-data"})
        EXPECT_TRUE(contains(field(control, "Depends"), dependency)) << dependency;
    EXPECT_TRUE(contains(control, "music quiz") && contains(control, "Musikquiz")) << control;

    // Pupils' accounts must read every file and enter every folder.
    std::string listing = run({"dpkg-deb", "-c", deb}).out;
    size_t listed = 0;
    for (size_t at = 0, end; (end = listing.find('\n', at)) != std::string::npos; at = end + 1, ++listed) {
        std::string line = listing.substr(at, end - at);
        bool folder = line[0] == 'd';
        EXPECT_TRUE(line[7] == 'r' && (!folder || line[9] == 'x') && line.substr(11, 9) == "root/root")
            << line;
    }
    EXPECT_GT(listed, 20u);

    const std::string root = dir + "root";
    ASSERT_EQ(run({"dpkg-deb", "-x", deb, root}).code, 0);
    const std::string metainfo = root + "/usr/share/metainfo/de.varulak.melvato.metainfo.xml";
    Result valid = run({"appstreamcli", "validate", "--no-net", metainfo});
    EXPECT_EQ(valid.code, 0) << valid.out;
    EXPECT_TRUE(contains(testing_support::readFile(metainfo), "<release version=\"" + version + "\""));
    std::string changelog = run({"gzip", "-dc", root + "/usr/share/doc/melvato/changelog.gz"}).out;
    EXPECT_EQ(changelog.rfind("melvato (" + version + ")", 0), 0u) << changelog.substr(0, 80);

    // A user who has never started the program: no data folder, default XDG places.
    const std::string home = dir + "home";
    QDir().mkpath(q(home));
    QDir().mkpath(q(dir + "run"));
    QFile::setPermissions(q(dir + "run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), q(home));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), q(dir + "run"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(q(root + "/usr/bin/melvato"), {});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(2000)) << "ended at once: " << program.readAll().toStdString();

    // A busy machine may need longer than two seconds to open the main window.
    const std::string appPfad = home + "/.local/share/varulak/Melvato/";
    const std::string logFile = appPfad + "Melvato Protokoll.Txt";
    QDeadlineTimer deadline(60000);
    while (program.state() == QProcess::Running && !deadline.hasExpired() &&
           !contains(testing_support::readFile(logFile), "MDI Form Load"))
        program.waitForFinished(200);
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAll().toStdString();
    program.terminate();
    if (!program.waitForFinished(10000)) program.kill();
    program.waitForFinished();

    std::string log = testing_support::readFile(logFile);
    EXPECT_EQ(log.rfind("START: ", 0), 0u) << log.substr(0, 80);
    EXPECT_TRUE(contains(log.substr(0, log.find("\r\n")), ":" + version));
    // The main window came up (the steps before it are checked on the build itself).
    std::vector<std::string> lines = testing_support::logEntries(log);
    ASSERT_NE(std::find(lines.begin(), lines.end(), "MDI Form Load"), lines.end()) << log;
    for (const std::string& entry : lines) EXPECT_FALSE(contains(entry, "fehlt")) << entry;
    // The game's pool holds the supplied questions (numbers 100 and up).
    auto pool = std::find_if(lines.begin(), lines.end(), [](const std::string& e) {
        return e.rfind("Anzahl der Fragen festgestellt: ", 0) == 0;
    });
    ASSERT_NE(pool, lines.end());
    EXPECT_GT(std::stoi(pool->substr(pool->rfind(' '))), 100) << *pool;
    EXPECT_TRUE(testing_support::fileExists(home + "/.local/share/varulak/common/Translation.dat"));
}
