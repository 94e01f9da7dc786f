// Kills a process at random moments while it rewrites the program's files, with inputs large
// enough for the kill to land mid-write, and checks every file afterwards: its old content or
// its new content, byte for byte, never a mix or a cut. The writing process is this test
// program itself, started again to run one rewrite through the program's own writer code.
// $ZANDOLIN_FAULT_KILLS sets the kills per file (default 4).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "audio/wave_writer.h"
#include "base/bounded_text.h"
#include "scenes/project_script_writer.h"
#include "scenes/row_file.h"
#include "storage/encoder_list.h"
#include "storage/project_file.h"
#include "storage/settings.h"
#include "support/message_box_recorder.h"
#include "support/pcm_format.h"
#include "support/temp_folder.h"

namespace {
const char* const absent = "\x01(absent)";

std::string readOrAbsent(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return absent;
    std::string bytes;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    fclose(f);
    return bytes;
}

void writeFile(const std::string& path, const std::string& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

std::string rows(int count, int offset) {
    std::string text;
    char line[80];
    for (int i = 1; i <= count; ++i) {
        const char* kind = i % 7 == 3 && i < count ? "Dissolve" : i % 5 == 0 ? "FadeIn" : "-";
        if (kind[0] == 'D')
            snprintf(line, sizeof line, "r%02i Dissolve 20 - -\r\n", i);
        else
            snprintf(line, sizeof line, "r%02i %s %s %i %i\r\n", i, kind, kind[0] == '-' ? "-" : "30",
                     offset + i * 1000, offset + i * 1000 + 600);
        text += line;
    }
    return text;
}

std::string encoderList(int entries) {
    std::string text = "#### encoder.ini ####\r\n#####################\r\n\r\n\r\ndefault encoder\r\n03\r\n\r\n\r\n";
    char entry[400];
    for (int i = 1; i <= entries; ++i) {
        snprintf(entry, sizeof entry,
                 "encoder\r\n%02i\r\npath\r\nC:\\encoders\\enc%i.exe\r\nfile\r\nenc%i 1 N \r\ncommand line\r\n"
                 "-i \"%%filename\" -o \"%%ofilename\" --preset slow --tune film --crf 18\r\n\r\n\r\n",
                 i, i, i);
        text += entry;
    }
    return text + "end encoder.ini\r\n";
}

// Audio in memory, as the stream would deliver it.
struct Pattern {
    uint32_t sampleSize;
    static int read(void* context, uint32_t start, uint32_t frames, unsigned char* buffer, uint32_t bufferSize,
                    uint32_t* framesRead, uint32_t* bytesRead) {
        auto* self = static_cast<Pattern*>(context);
        uint32_t n = frames;
        if (n > bufferSize / self->sampleSize) n = bufferSize / self->sampleSize;
        for (uint32_t i = 0; i < n * self->sampleSize; ++i)
            buffer[i] = static_cast<unsigned char>((size_t(start) * self->sampleSize + i) * 2654435761u >> 13);
        *framesRead = n;
        *bytesRead = n * self->sampleSize;
        return 0;
    }
};

int writeWave(const std::string& folder, bool channels) {
    WaveJob job;
    job.format = pcmFormat(6, 48000, 16);
    job.sampleSize = job.format.blockAlign;
    job.lengthFrames = 2000000;  // 24 MB
    std::string name = folder + "take.wav";
    job.outputName = name.c_str();
    job.quiet = true;
    Pattern pattern{job.sampleSize};
    AudioSource source;
    source.context = &pattern;
    source.read = Pattern::read;
    return channels ? writeChannelWaves(job, source, ExportControls{}) : writeSingleWave(job, source, ExportControls{});
}

// One rewrite of the named kind in folder (with its trailing separator); true when it worked.
bool rewrite(const std::string& kind, const std::string& folder) {
    boxes::reset();
    const char* dir = folder.c_str();
    if (kind == "settings") {
        Settings s;
        copyText(s.programFolder, dir);
        copyText(s.documentationFolder, std::string(250, 'd').c_str());
        copyText(s.fontFace, "Lucida Console");
        s.viewCode = 3;
        s.jump = 777;
        for (int n = 0; n < toolButtonCount; ++n) {
            copyText(s.toolPath[n], (std::string(240, char('a' + n)) + ".exe").c_str());
            copyText(s.toolCommand[n], std::string(120, char('A' + n)).c_str());
        }
        return writePresets(s);
    }
    if (kind == "encoders") {
        EncoderEntry entry;
        entry.colourSpace = 2;
        return addEncoder(dir, nullptr, entry, "added", "", "-x %filename", "C:\\new\\added.exe");
    }
    if (kind == "rows") return rewriteRowFile(dir, 1, rewriteDelete, "", nullptr) == 0;
    if (kind == "project" || kind == "project-load") {
        ProjectNames names{};
        copyText(names.projectFilePath, (folder + "cut.jvl").c_str());
        copyText(names.sourceScriptPath, "C:\\clips\\source.avs");
        return kind == "project" ? saveProject(dir, names, nullptr) : loadProject(dir, names, nullptr);
    }
    if (kind == "script") {
        SceneListDisplay list;
        list.programFolder = dir;
        list.framesPerSecond = 25.0f;
        return writeProjectScript(list, "C:\\clips\\source.avs", (folder + "cut_vlprj.avs").c_str()) == scriptWritten;
    }
    if (kind == "wave") return writeWave(folder, false) == waveWritten;
    if (kind == "wave-channels") return writeWave(folder, true) == waveWritten;
    return false;
}

struct Job {
    const char* kind;
    std::map<std::string, std::string> old;  // the files before, by name
    std::vector<std::string> watched;        // the files checked after each kill
};

std::vector<Job> jobs() {
    std::string bigRows = rows(60000, 0);
    std::string oldProject = "Project File Name\r\nold.jvl\r\n\r\nScript Source File\r\nold.avs\r\n\r\n"
                             "Project Script File\r\nold_vlprj.avs\r\n\r\nFrame Editor Data\r\nr01 - - 0 9\r\n"
                             "End Project File\r\n";
    std::string wideProject = "Project File Name\r\nC:\\cut.jvl\r\n\r\nFrame Editor Data\r\n" + rows(60000, 7) +
                              "End Project File\r\n";
    const char* channelNames[] = {"take_FL.wav", "take_FR.wav", "take_C.wav", "take_LFE.wav", "take_SL.wav", "take_SR.wav"};
    Job channels{"wave-channels", {}, {}};
    for (const char* name : channelNames) {
        channels.old[name] = std::string("older ") + name;
        channels.watched.push_back(name);
    }
    return {
        {"settings",
         {{"zandolin.ini", "#### zandolin.ini ####\r\njump\r\n12\r\nend zandolin.ini\r\n"}},
         {"zandolin.ini"}},
        {"encoders", {{"encoder.ini", encoderList(12000)}}, {"encoder.ini"}},
        {"rows", {{"rowdat.vlr", bigRows}}, {"rowdat.vlr"}},
        {"project", {{"rowdat.vlr", bigRows}, {"cut.jvl", oldProject}}, {"cut.jvl", "rowdat.vlr"}},
        {"project-load", {{"rowdat.vlr", rows(50, 3)}, {"cut.jvl", wideProject}}, {"rowdat.vlr", "cut.jvl"}},
        {"script",
         {{"rowdat.vlr", bigRows}, {"cut_vlprj.avs", "old script"}, {"cut_vlprj_chapters.txt", "old chapters"}},
         {"cut_vlprj.avs", "cut_vlprj_chapters.txt", "pass1.tdt", "pass2.tdt", "rowdat.vlr"}},
        {"wave", {{"take.wav", "older take"}}, {"take.wav"}},
        channels,
    };
}

void fillFolder(const TempFolder& dir, const Job& job) {
    for (const auto& [name, bytes] : job.old) dir.write(name, bytes);
}

// Files that name their own folder are compared with the folder's path put aside.
std::string withoutFolder(std::string bytes, const std::string& folder) {
    for (size_t at = 0; (at = bytes.find(folder, at)) != std::string::npos;) bytes.replace(at, folder.size(), "<folder>");
    return bytes;
}

// Names and sizes of the folder's files: it changes as soon as a write begins.
std::string folderState(const std::string& folder) {
    std::string state;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return state;
    do state += std::string(found.cFileName) + ":" + std::to_string(found.nFileSizeLow) + ";";
    while (FindNextFileA(h, &found));
    FindClose(h);
    return state;
}

// Every file the folder holds, by name.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files[found.cFileName] = readOrAbsent(folder + found.cFileName);
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return files;
}

PROCESS_INFORMATION startRewrite(const std::string& kind, const std::string& folder) {
    SetEnvironmentVariableA("ZANDOLIN_REWRITE_KIND", kind.c_str());
    SetEnvironmentVariableA("ZANDOLIN_REWRITE_FOLDER", folder.c_str());
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string command = std::string("\"") + exe +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=FaultInjection.DISABLED_RewriteOnce";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi{};
    CreateProcessA(exe, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    CloseHandle(nul);
    SetEnvironmentVariableA("ZANDOLIN_REWRITE_KIND", nullptr);
    return pi;
}

int killsPerFile() {
    const char* v = getenv("ZANDOLIN_FAULT_KILLS");
    int n = v ? atoi(v) : 0;
    return n > 0 ? n : 4;
}
}  // namespace

// The child's side: one rewrite, exit code 0 when it worked.
TEST(FaultInjection, DISABLED_RewriteOnce) {
    const char* kind = getenv("ZANDOLIN_REWRITE_KIND");
    const char* folder = getenv("ZANDOLIN_REWRITE_FOLDER");
    ASSERT_TRUE(kind && folder);
    ASSERT_TRUE(rewrite(kind, folder));
}

TEST(FaultInjection, AKillMidWriteLeavesEachFileOldOrNew) {
    std::mt19937 rng(GetTickCount());
    const int kills = killsPerFile();
    for (const Job& job : jobs()) {
        SCOPED_TRACE(job.kind);
        // The new contents, and how long a whole rewrite takes in a process of its own.
        TempFolder reference;
        fillFolder(reference, job);
        DWORD began = GetTickCount();
        PROCESS_INFORMATION whole = startRewrite(job.kind, reference.path());
        ASSERT_NE(whole.hProcess, nullptr);
        WaitForSingleObject(whole.hProcess, 120000);
        DWORD code = 1;
        GetExitCodeProcess(whole.hProcess, &code);
        CloseHandle(whole.hProcess);
        CloseHandle(whole.hThread);
        ASSERT_EQ(code, 0u) << "the rewrite itself failed";
        DWORD span = GetTickCount() - began + 1;
        std::map<std::string, std::string> fresh = snapshot(reference.path());
        // The intermediate files are gone at the end; complete ones may stand between.
        std::map<std::string, std::vector<std::string>> allowed;
        for (const std::string& name : job.watched) {
            auto before = job.old.find(name);
            allowed[name].push_back(before != job.old.end() ? before->second : absent);
            allowed[name].push_back(fresh.count(name) ? withoutFolder(fresh[name], reference.path()) : absent);
        }
        if (std::string(job.kind) == "script") {
            TempFolder passes;
            fillFolder(passes, job);
            ASSERT_EQ(writePassOne(passes.path().c_str(), countRows(passes.path().c_str()), nullptr), 0);
            ASSERT_EQ(writePassTwo(passes.path().c_str(), countRows(passes.path().c_str()), nullptr), 0);
            allowed["pass1.tdt"].push_back(passes.read("pass1.tdt"));
            allowed["pass2.tdt"].push_back(passes.read("pass2.tdt"));
        }

        int midWrite = 0;
        for (int k = 0; k < kills; ++k) {
            TempFolder dir;
            fillFolder(dir, job);
            const std::string before = folderState(dir.path());
            PROCESS_INFORMATION pi = startRewrite(job.kind, dir.path());
            ASSERT_NE(pi.hProcess, nullptr);
            // Half the kills come at a random moment of the whole run, half within a few
            // milliseconds of the first new file appearing.
            DWORD deadline = GetTickCount() + span * 2 + 2000;
            if (k % 2 == 0) {
                std::uniform_int_distribution<DWORD> at(0, span);
                WaitForSingleObject(pi.hProcess, at(rng));
            } else {
                while (GetTickCount() < deadline && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT &&
                       folderState(dir.path()) == before) {
                }
                std::uniform_int_distribution<DWORD> extra(0, 8);
                WaitForSingleObject(pi.hProcess, extra(rng));
            }
            TerminateProcess(pi.hProcess, 77);
            WaitForSingleObject(pi.hProcess, 30000);
            CloseHandle(pi.hProcess);
            CloseHandle(pi.hThread);

            std::map<std::string, std::string> after = snapshot(dir.path());
            bool leftovers = false;
            for (const auto& [name, bytes] : after)
                if (!allowed.count(name) && !job.old.count(name)) leftovers = true;
            midWrite += leftovers;
            bool allOld = true;
            for (const auto& [name, contents] : allowed) {
                std::string now = withoutFolder(readOrAbsent(dir.file(name)), dir.path());
                bool known = false;
                for (const auto& c : contents) known = known || now == c;
                EXPECT_TRUE(known) << name << " after kill " << k << ": " << now.size() << " bytes";
                allOld = allOld && now == contents[0];
            }
            // The next run over what the kill left works; from the old files it writes the
            // new ones, whatever temporary files were left behind.
            ASSERT_TRUE(rewrite(job.kind, dir.path()));
            if (allOld)
                for (const std::string& name : job.watched)
                    EXPECT_TRUE(withoutFolder(readOrAbsent(dir.file(name)), dir.path()) == allowed[name][1]) << name;
        }
        printf("%s: %d kills, %d of them mid-write (temporary files left), a whole rewrite %lu ms\n", job.kind,
               kills, midWrite, static_cast<unsigned long>(span));
    }
}
