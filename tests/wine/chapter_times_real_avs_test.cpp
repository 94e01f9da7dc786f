// Chapter times checked against what a real AviSynth makes of the project script: for random
// scene lists the chapter of each scene must sit where AviSynth's own frame counts of the
// script's pieces put it. Runs when $ZANDOLIN_AVISYNTH_PLUS names a folder with avisynth.dll.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "avisynth/avs_c_api.h"
#include "scenes/project_script_writer.h"
#include "support/avisynth_libraries.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
struct RealAvs {
    HMODULE module = nullptr;
    AvsCreateScriptEnvironment create = nullptr;
    AvsDeleteScriptEnvironment destroy = nullptr;
    AvsInvoke invoke = nullptr;
    AvsReleaseValue release = nullptr;
    ~RealAvs() {
        if (module) FreeLibrary(module);  // later tests expect no avisynth.dll loaded
    }

    bool load(const std::string& path) {
        module = LoadLibraryA(path.c_str());
        if (!module) return false;
        create = reinterpret_cast<AvsCreateScriptEnvironment>(GetProcAddress(module, "avs_create_script_environment"));
        destroy = reinterpret_cast<AvsDeleteScriptEnvironment>(GetProcAddress(module, "avs_delete_script_environment"));
        invoke = reinterpret_cast<AvsInvoke>(GetProcAddress(module, "avs_invoke"));
        release = reinterpret_cast<AvsReleaseValue>(GetProcAddress(module, "avs_release_value"));
        return create && destroy && invoke && release;
    }
    // Evaluates a script ending in a string expression; "error: ..." when it fails.
    std::string eval(const std::string& text) {
        AVS_ScriptEnvironment* env = create(6);
        AVS_Value v = invoke(env, "Eval", avsString(text.c_str()), nullptr);
        std::string result = v.type == 's' ? v.d.string : v.type == 'e' ? std::string("error: ") + v.d.string : "?";
        release(v);
        destroy(env);
        return result;
    }
};

// A list the writer accepts: scenes of 100 to 600 frames anywhere in the source, some faded,
// some a single frame, and Dissolves only between two scenes long enough to lend frames.
std::vector<std::string> randomRows(std::mt19937& rng) {
    std::uniform_int_distribution<int> count(1, 14), start(0, 190000), length(100, 600), kind(0, 9), fade(1, 60);
    std::vector<std::string> rows;
    int n = count(rng);
    bool lastWasDissolve = true;  // no Dissolve first
    for (int i = 1; i <= n; ++i) {
        char line[96];
        int k = kind(rng);
        bool dissolve = k < 3 && !lastWasDissolve && i < n;
        int s = start(rng);
        if (dissolve) {
            snprintf(line, sizeof line, "r%02i Dissolve %i - -", i, fade(rng) % 40 + 1);
        } else if (k < 5) {
            const char* names[] = {"FadeIn", "FadeOut", "FadeIO"};
            snprintf(line, sizeof line, "r%02i %s %i %i %i", i, names[k % 3], fade(rng), s, s + length(rng));
        } else if (k == 9 && (i == n || rows.empty() || rows.back().find("Dissolve") == std::string::npos)) {
            snprintf(line, sizeof line, "r%02i - - %i %i", i, s + 1, s + 1);  // one frame; no Dissolve after it
            rows.push_back(line);
            lastWasDissolve = true;  // keeps the next row from being a Dissolve
            continue;
        } else {
            snprintf(line, sizeof line, "r%02i - - %i %i", i, s, s + length(rng));
        }
        rows.push_back(line);
        lastWasDissolve = dissolve;
    }
    return rows;
}

long long chapterMs(const std::string& time) {
    int h = 0, m = 0, s = 0, ms = 0;
    sscanf(time.c_str(), "%d:%d:%d.%d", &h, &m, &s, &ms);
    return ((h * 60LL + m) * 60 + s) * 1000 + ms;
}
}  // namespace

TEST(ChapterTimesRealAviSynth, RandomListsAgreeWithTheFrameCountsOfTheScript) {
    std::string folder = testFolderFromEnv("ZANDOLIN_AVISYNTH_PLUS");
    if (folder.empty()) GTEST_SKIP() << "ZANDOLIN_AVISYNTH_PLUS not set";
    RealAvs avs;
    ASSERT_TRUE(avs.load(folder + "avisynth.dll")) << folder;
    TempFolder dir;
    dir.write("source.avs", "BlankClip(length=200000, fps=25, width=32, height=32, pixel_type=\"YV12\")\r\n");
    std::mt19937 rng(20261206);
    int lists = 0, chapters = 0;
    for (int round = 0; round < 60; ++round) {
        std::vector<std::string> rows = randomRows(rng);
        std::string text;
        for (const auto& r : rows) text += r + "\r\n";
        SCOPED_TRACE(text);
        dir.write("rowdat.vlr", text);
        boxes::reset();
        SceneListDisplay list;
        list.programFolder = dir.path().c_str();
        list.framesPerSecond = 25.0f;
        std::string script = dir.file("cut_vlprj.avs");
        ASSERT_EQ(writeProjectScript(list, dir.file("source.avs").c_str(), script.c_str()), scriptWritten);

        // The script without its join line, then every piece's frame count, the second clip
        // of each Dissolve, and the whole.
        std::string body = dir.read("cut_vlprj.avs");
        size_t joinAt = body.rfind("\r\n") + 2;
        std::string join = body.substr(joinAt);
        std::string query = body.substr(0, joinAt) + "\"\"";
        std::vector<bool> dissolve;
        std::istringstream lines(body);
        std::string line;
        while (std::getline(lines, line)) {
            int number = 0;
            long long a, b, c, d, f;
            if (sscanf(line.c_str(), "t%d = Dissolve(trim(%lld,%lld),trim(%lld,%lld),%lld)", &number, &a, &b, &c, &d, &f) ==
                6) {
                query += "+String(FrameCount(t" + line.substr(1, line.find(' ') - 1) + "))+\" \"";
                query += "+String(FrameCount(trim(" + std::to_string(c) + "," + std::to_string(d) + ")))+\" \"";
                dissolve.push_back(true);
            } else if (line.size() > 1 && line[0] == 't' && isdigit(static_cast<unsigned char>(line[1])) &&
                       line.find(" = ") != std::string::npos) {
                query += "+String(FrameCount(t" + line.substr(1, line.find(' ') - 1) + "))+\" \"";
                dissolve.push_back(false);
            }
        }
        query += "+String(FrameCount(" + join + "))";
        std::istringstream counts(avs.eval(query));

        std::vector<long long> expected;
        long long position = 0, pieceFrames = 0, secondClip = 0, whole = -1;
        bool afterDissolve = false;
        for (bool isDissolve : dissolve) {
            ASSERT_TRUE(counts >> pieceFrames) << query;
            if (isDissolve) {
                ASSERT_TRUE(counts >> secondClip);
                expected.push_back(position + pieceFrames - secondClip);
            } else if (!afterDissolve) {
                expected.push_back(position);
            }
            afterDissolve = isDissolve;
            position += pieceFrames;
        }
        ASSERT_TRUE(counts >> whole);
        EXPECT_EQ(whole, position);

        std::istringstream file(dir.read("cut_vlprj_chapters.txt"));
        std::vector<long long> written;
        while (std::getline(file, line)) {
            size_t eq = line.find('=');
            if (line.find("NAME=") == std::string::npos && eq != std::string::npos) written.push_back(chapterMs(line.substr(eq + 1)));
        }
        ASSERT_EQ(written.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(written[i], expected[i] * 40) << "chapter " << i + 1;
        ++lists;
        chapters += int(expected.size());
    }
    printf("checked %d chapters of %d lists against AviSynth\n", chapters, lists);
}
