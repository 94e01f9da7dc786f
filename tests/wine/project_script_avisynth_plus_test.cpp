// Project scripts of random scene lists opened by a real AviSynth+: as long as the total the
// scene list shows, and each frame outside a transition is the source frame its row names
// (the source's frames carry their number in their colour).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "avisynth/avs_c_api.h"
#include "scenes/frame_count.h"
#include "scenes/project_script_writer.h"
#include "support/avisynth_libraries.h"
#include "support/temp_folder.h"

namespace {
constexpr int blended = -1;  // black, or a mix of two frames

struct Row {
    std::string transition;  // "-", "Dissolve", "FadeIn", "FadeOut", "FadeIO"
    int frames = 0, start = 0, end = 0;
};

std::vector<int> range(int first, int last) {
    std::vector<int> frames;
    for (int n = first; n <= last; ++n) frames.push_back(n);
    return frames;
}

// AviSynth's Dissolve: the second clip starts overlap frames before the end of the first.
std::vector<int> dissolve(const std::vector<int>& a, const std::vector<int>& b, int overlap) {
    int start = std::max(0, int(a.size()) - overlap);
    std::vector<int> out(a.begin(), a.begin() + start);
    out.resize(a.size(), blended);
    out.insert(out.end(), b.begin() + (int(a.size()) - start), b.end());
    return out;
}

// The project as the user sees the rows: a Dissolve of F takes the last F + 11 frames of the
// scene before it and the first F + 11 of the one after; a fade darkens F frames of its scene
// and adds a black frame at each faded end.
std::vector<int> expectedFrames(const std::vector<Row>& rows) {
    std::vector<int> out, piece;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (r.transition == "Dissolve") {
            piece = dissolve(range(rows[i - 1].end - r.frames - 10, rows[i - 1].end),
                             range(rows[i + 1].start, rows[i + 1].start + r.frames + 10), r.frames);
        } else {
            int start = r.start + (i > 0 && rows[i - 1].transition == "Dissolve" ? rows[i - 1].frames + 11 : 0);
            int end = r.end - (i + 1 < rows.size() && rows[i + 1].transition == "Dissolve" ? rows[i + 1].frames + 11 : 0);
            piece = range(start, end);
            std::vector<int> black(size_t(r.frames) + 1, blended);
            if (r.transition == "FadeIn" || r.transition == "FadeIO") piece = dissolve(black, piece, r.frames);
            if (r.transition == "FadeOut" || r.transition == "FadeIO") piece = dissolve(piece, black, r.frames);
        }
        out.insert(out.end(), piece.begin(), piece.end());
    }
    return out;
}
}  // namespace

TEST(ProjectScriptOnAviSynthPlus, RandomSceneListsGiveTheShownTotalAndTheNamedFrames) {
    if (!avsLibraryPresent(AvsLibrary::avisynthPlus)) GTEST_SKIP() << "no AviSynth+ in this run";
    TempFolder folder;
    folder.write("source.avs", "ScriptClip(BlankClip(length=4000, width=16, height=16, pixel_type=\"RGB32\"), "
                               "\"BlankClip(last, color=$800000 + current_frame)\")\r\n");  // red marks a source frame
    HMODULE avs = LoadLibraryA(avsLibraryPath(AvsLibrary::avisynthPlus).c_str());
    ASSERT_NE(avs, nullptr);
    auto call = [&](const char* name) { return GetProcAddress(avs, name); };
    auto getFrame = reinterpret_cast<void*(AVSC_CC*)(AVS_Clip*, int)>(call("avs_get_frame"));
    auto readPointer = reinterpret_cast<const uint8_t*(AVSC_CC*)(void*, int)>(call("avs_get_read_ptr_p"));
    auto releaseFrame = reinterpret_cast<void(AVSC_CC*)(void*)>(call("avs_release_video_frame"));
    std::mt19937 random(20261206);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int list = 0; list < 40; ++list) {
        // A list as a user makes it: scenes long enough for their transitions, Dissolves between scenes.
        std::vector<Row> rows;
        std::string rowFile;
        for (int k = 0, scenes = pick(1, 7); k < scenes; ++k) {
            if (k > 0 && pick(0, 2) == 0) rows.push_back({"Dissolve", pick(1, 40)});
            const char* kinds[] = {"-", "-", "FadeIn", "FadeOut", "FadeIO"};
            Row scene{kinds[pick(0, 4)], 0, pick(0, 3600)};
            if (scene.transition != "-") scene.frames = pick(1, 30);
            scene.end = scene.start + pick(129, 399);
            rows.push_back(scene);
        }
        for (size_t i = 0; i < rows.size(); ++i) {
            const Row& r = rows[i];
            std::string frames = r.transition == "-" ? "-" : std::to_string(r.frames);
            std::string range = r.transition == "Dissolve" ? "- -" : std::to_string(r.start) + " " + std::to_string(r.end);
            rowFile += "r" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1) + " " + r.transition + " " + frames +
                       " " + range + "\r\n";
        }
        folder.write("rowdat.vlr", rowFile);
        SceneListDisplay display;
        display.programFolder = folder.path().c_str();
        display.spliceChoice = 1 + list % 2;
        std::string project = folder.file("list_vlprj.avs");
        ASSERT_EQ(writeProjectScript(display, folder.file("source.avs").c_str(), project.c_str()), scriptWritten);
        int shown = totalFrames(folder.path().c_str());
        std::vector<int> expected = expectedFrames(rows);
        ASSERT_EQ(int(expected.size()), shown) << rowFile;

        auto env = reinterpret_cast<AvsCreateScriptEnvironment>(call("avs_create_script_environment"))(1);
        AVS_Value arg = avsString(project.c_str());
        AVS_Value result = reinterpret_cast<AvsInvoke>(call("avs_invoke"))(env, "Import", avsArray(&arg, 1), nullptr);
        ASSERT_EQ(result.type, 'c') << (result.type == 'e' ? result.d.string : "") << "\n" << rowFile;
        AVS_Clip* clip = reinterpret_cast<AvsTakeClip>(call("avs_take_clip"))(result, env);
        EXPECT_EQ(reinterpret_cast<AvsGetVideoInfo>(call("avs_get_video_info"))(clip)->num_frames, shown) << rowFile;
        for (int n = 0, wrong = 0; n < shown && wrong < 3; ++n) {
            if (expected[n] == blended) continue;
            void* frame = getFrame(clip, n);
            const uint8_t* pixel = readPointer(frame, 0);
            int number = pixel[2] == 0x80 ? pixel[0] | pixel[1] << 8 : -2;
            releaseFrame(frame);
            if (number != expected[n] && ++wrong)
                ADD_FAILURE() << "frame " << n << " is source frame " << number << ", not " << expected[n] << "\n" << rowFile;
        }
        reinterpret_cast<AvsReleaseClip>(call("avs_release_clip"))(clip);
        reinterpret_cast<AvsReleaseValue>(call("avs_release_value"))(result);
        reinterpret_cast<AvsDeleteScriptEnvironment>(call("avs_delete_script_environment"))(env);
    }
    FreeLibrary(avs);
}
