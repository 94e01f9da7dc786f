// Feeds arbitrary bytes to the encoder list operations as encoder.ini.
#include <cstdint>
#include <string>
#include <vector>

#include "storage/encoder_list.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder dir;
    const char* folder = dir.path().c_str();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    int number = size > 0 ? data[0] % 16 : 0;
    boxes::reset();
    boxes::answer(answerOk);
    boxes::answer(answerNo);

    dir.write("encoder.ini", bytes);
    EncoderEntry entry;
    std::vector<std::string> encoders, paired;
    readEncoder(folder, nullptr, &entry, 0, &encoders, &paired);
    readEncoder(folder, nullptr, &entry, number);
    for (const auto& description : encoders) {
        findEncoder(folder, nullptr, &entry, description.c_str(), findNumber);
        getEncoderPathAndCommand(folder, nullptr, &entry, description.c_str());
    }
    findEncoder(folder, nullptr, &entry, encoders.empty() ? "x" : encoders.back().c_str(), findAndMakeDefault);
    editEncoder(folder, nullptr, entry, entry.pairedEncoder, entry.commandLine, number);
    addEncoder(folder, nullptr, entry, "added", encoders.empty() ? "" : encoders[0].c_str(), nullptr, "p.exe");
    if (!encoders.empty()) deleteEncoder(folder, nullptr, encoders[0].c_str());
    readEncoder(folder, nullptr, &entry, 0);
    return 0;
}
