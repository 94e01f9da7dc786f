// Project scripts written from random scene lists, opened by a real AviSynth+: the clip is as
// long as the total the scene list shows, and every frame outside a transition is the source
// frame its row names. The source's frames carry their number in their colour.
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
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
constexpr int sourceFrames = 4000;
constexpr int blended = -1;  // a transition frame: black or a mix of two frames

struct Row {
    std::string transition = "-";  // "-", "Dissolve", "FadeIn", "FadeOut", "FadeIO"
    int frames = 0;
    int start = 0, end = 0;
};

// A list as a user makes it: scenes long enough for their transitions, a Dissolve only
// between two scenes.
std::vector<Row> randomRows(std::mt19937& random) {
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<Row> rows;
    int scenes = pick(1, 7);
    for (int k = 0; k < scenes; ++k) {
        if (k > 0 && pick(0, 2) == 0) {
            Row dissolve;
            dissolve.transition = "Dissolve";
            dissolve.frames = pick(1, 40);
            rows.push_back(dissolve);
        }
        Row scene;
        const char* fades[] = {"-", "-", "FadeIn", "FadeOut", "FadeIO"};
        scene.transition = fades[pick(0, 4)];
        if (scene.transition != "-") scene.frames = pick(1, 30);
        int length = pick(130, 400);
        scene.start = pick(0, sourceFrames - length);
        scene.end = scene.start + length - 1;
        rows.push_back(scene);
    }
    return rows;
}

std::string rowFile(const std::vector<Row>& rows) {
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        char line[96];
        if (r.transition == "Dissolve")
            wsprintfA(line, "r%02i Dissolve %i - -\r\n", int(i + 1), r.frames);
        else if (r.transition == "-")
            wsprintfA(line, "r%02i - - %i %i\r\n", int(i + 1), r.start, r.end);
        else
            wsprintfA(line, "r%02i %s %i %i %i\r\n", int(i + 1), r.transition.c_str(), r.frames, r.start, r.end);
        text += line;
    }
    return text;
}

std::vector<int> range(int first, int last) {
    std::vector<int> frames;
    for (int n = first; n <= last; ++n) frames.push_back(n);
    return frames;
}

// AviSynth's Dissolve: the second clip starts overlap frames before the end of the first.
std::vector<int> dissolve(const std::vector<int>& a, const std::vector<int>& b, int overlap) {
    int start = std::max(0, int(a.size()) - overlap);
    std::vector<int> out(a.begin(), a.begin() + start);
    for (int n = start; n < int(a.size()); ++n) out.push_back(blended);
    for (size_t n = a.size() - start; n < b.size(); ++n) out.push_back(b[n]);
    return out;
}

// What the project must show, frame by frame, as the user sees the rows: a Dissolve of F
// takes the last F + 11 frames of the scene before it and the first F + 11 of the scene after
// it; a fade darkens F frames of its scene and adds one black frame (two for FadeIO).
std::vector<int> expectedFrames(const std::vector<Row>& rows) {
    std::vector<int> out;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (r.transition == "Dissolve") {
            const Row& before = rows[i - 1];
            const Row& after = rows[i + 1];
            std::vector<int> piece = dissolve(range(before.end - r.frames - 10, before.end),
                                              range(after.start, after.start + r.frames + 10), r.frames);
            out.insert(out.end(), piece.begin(), piece.end());
            continue;
        }
        int start = r.start, end = r.end;
        if (i > 0 && rows[i - 1].transition == "Dissolve") start += rows[i - 1].frames + 11;
        if (i + 1 < rows.size() && rows[i + 1].transition == "Dissolve") end -= rows[i + 1].frames + 11;
        std::vector<int> piece = range(start, end);
        std::vector<int> black(size_t(r.frames) + 1, blended);
        if (r.transition == "FadeIn" || r.transition == "FadeIO") piece = dissolve(black, piece, r.frames);
        if (r.transition == "FadeOut" || r.transition == "FadeIO") piece = dissolve(piece, black, r.frames);
        out.insert(out.end(), piece.begin(), piece.end());
    }
    return out;
}

struct Avs {
    HMODULE module = nullptr;
    AvsCreateScriptEnvironment create = nullptr;
    AvsDeleteScriptEnvironment destroy = nullptr;
    AvsInvoke invoke = nullptr;
    AvsTakeClip take = nullptr;
    AvsGetVideoInfo info = nullptr;
    AvsReleaseClip releaseClip = nullptr;
    AvsReleaseValue releaseValue = nullptr;
    void*(AVSC_CC* getFrame)(AVS_Clip*, int) = nullptr;
    const uint8_t*(AVSC_CC* readPointer)(void*, int) = nullptr;
    void(AVSC_CC* releaseFrame)(void*) = nullptr;

    template <typename Call>
    void resolve(Call& call, const char* name) {
        call = reinterpret_cast<Call>(GetProcAddress(module, name));
    }
    explicit Avs(const std::string& path) {
        module = LoadLibraryA(path.c_str());
        if (!module) return;
        resolve(create, "avs_create_script_environment");
        resolve(destroy, "avs_delete_script_environment");
        resolve(invoke, "avs_invoke");
        resolve(take, "avs_take_clip");
        resolve(info, "avs_get_video_info");
        resolve(releaseClip, "avs_release_clip");
        resolve(releaseValue, "avs_release_value");
        resolve(getFrame, "avs_get_frame");
        resolve(readPointer, "avs_get_read_ptr_p");
        resolve(releaseFrame, "avs_release_video_frame");
    }
    ~Avs() {
        if (module) FreeLibrary(module);
    }
    bool complete() const { return module && create && getFrame && readPointer && releaseFrame && releaseValue; }
};
}  // namespace

TEST(ProjectScriptOnAviSynthPlus, RandomSceneListsGiveTheShownTotalAndTheNamedFrames) {
    if (!avsLibraryPresent(AvsLibrary::avisynthPlus)) GTEST_SKIP() << "no AviSynth+ in this run";
    TempFolder folder;
    // Frame n is one colour: blue and green hold n, red marks a frame of the source.
    folder.write("source.avs",
                 "ScriptClip(BlankClip(length=" + std::to_string(sourceFrames) +
                     ", width=16, height=16, pixel_type=\"RGB32\", fps=25), \"BlankClip(last, color=$800000 + "
                     "current_frame)\")\r\n");
    Avs avs(avsLibraryPath(AvsLibrary::avisynthPlus));
    ASSERT_TRUE(avs.complete());
    boxes::reset();
    std::mt19937 random(20261206);
    for (int list = 0; list < 40; ++list) {
        std::vector<Row> rows = randomRows(random);
        folder.write("rowdat.vlr", rowFile(rows));
        SceneListDisplay display;
        display.programFolder = folder.path().c_str();
        display.spliceChoice = 1 + list % 2;
        std::string project = folder.file("list_vlprj.avs");
        ASSERT_EQ(writeProjectScript(display, folder.file("source.avs").c_str(), project.c_str()), scriptWritten);
        int shown = totalFrames(folder.path().c_str());
        std::vector<int> expected = expectedFrames(rows);
        ASSERT_EQ(int(expected.size()), shown) << rowFile(rows);

        AVS_ScriptEnvironment* env = avs.create(1);
        AVS_Value arg = avsString(project.c_str());
        AVS_Value result = avs.invoke(env, "Import", avsArray(&arg, 1), nullptr);
        ASSERT_EQ(result.type, 'c') << (result.type == 'e' ? result.d.string : "") << "\n" << rowFile(rows);
        AVS_Clip* clip = avs.take(result, env);
        EXPECT_EQ(avs.info(clip)->num_frames, shown) << rowFile(rows);
        int wrong = 0;
        for (int n = 0; n < shown && wrong < 3; ++n) {
            if (expected[n] == blended) continue;
            void* frame = avs.getFrame(clip, n);
            const uint8_t* pixel = frame ? avs.readPointer(frame, 0) : nullptr;
            int number = pixel && pixel[2] == 0x80 ? pixel[0] | pixel[1] << 8 : -2;
            if (frame) avs.releaseFrame(frame);
            if (number != expected[n]) {
                ++wrong;
                ADD_FAILURE() << "frame " << n << " shows source frame " << number << ", not " << expected[n] << "\n"
                              << rowFile(rows);
            }
        }
        avs.releaseClip(clip);
        avs.releaseValue(result);
        avs.destroy(env);
    }
    EXPECT_TRUE(boxes::shown().empty());
}
