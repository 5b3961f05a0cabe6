#include "cli/JsonReport.h"

#include <nlohmann/json.hpp>

#include "core/HexText.h"

namespace vantric::console {

namespace {

using Json = nlohmann::ordered_json;

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// Program text is bytes: kept as they are when they spell UTF-8, otherwise read as Latin-1.
std::string JsonText(const std::string& bytes) {
    if (IsUtf8(bytes)) return bytes;
    std::string text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (u >> 6));
            text += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return text;
}

Json Texts(const std::vector<std::string>& lines) {
    Json list = Json::array();
    for (const std::string& line : lines) list.push_back(JsonText(line));
    return list;
}

Json Machine(const ProcessorState& cpu) {
    Json registers;
    static constexpr struct {
        const char* name;
        int code;
    } kRegisters[] = {{"A", RegA}, {"B", RegB}, {"C", RegC}, {"D", RegD}, {"E", RegE}, {"H", RegH}, {"L", RegL}};
    for (const auto& reg : kRegisters) registers[reg.name] = HexText(cpu.Register(reg.code), 2);
    registers["F"] = HexText(cpu.Flags, 2);
    registers["SP"] = HexText(cpu.StackPointer, 4);
    registers["PC"] = HexText(cpu.ProgramCounter, 4);
    Json flags;
    static constexpr struct {
        const char* name;
        int mask;
    } kFlags[] = {{"S", FlagS}, {"Z", FlagZ}, {"AC", FlagAC}, {"P", FlagP}, {"CY", FlagCY}};
    for (const auto& flag : kFlags) flags[flag.name] = (cpu.Flags & flag.mask) != 0 ? 1 : 0;
    return Json{{"registers", registers}, {"flags", flags}};
}

}  // namespace

std::string JsonRunReport(const RunFacts& facts, const std::vector<MemoryDumpRequest>& dumps) {
    Json report;
    report["file"] = JsonText(facts.File);
    report["status"] = facts.Status;
    report["stop"] = facts.Stop;
    report["progress"] = Texts(facts.Progress);
    if (!facts.Error.empty()) {
        Json error{{"message", JsonText(facts.Error)}};
        if (facts.ErrorLine > 0) {
            error["line"] = facts.ErrorLine;
            error["text"] = JsonText(facts.ErrorLineText);
        }
        report["error"] = error;
    }
    if (facts.Cpu == nullptr) return report.dump();

    const ProcessorState& cpu = *facts.Cpu;
    std::vector<std::string> warnings;
    for (const std::string& line : facts.Progress)
        if (line.rfind("Warning : ", 0) == 0) warnings.push_back(line);
    report["warnings"] = Texts(warnings);
    report["runtime_error"] = facts.RuntimeError.empty() ? Json(nullptr) : Json(facts.RuntimeError);
    report.update(Machine(cpu));
    report["t_states"] = cpu.TStateCount;
    report["instructions"] = facts.Instructions;
    report["line"] = facts.CurrentLine > 0
                         ? Json{{"number", facts.CurrentLine}, {"text", JsonText(facts.CurrentLineText)}}
                         : Json(nullptr);
    Json ranges = Json::array();
    for (const MemoryDumpRequest& dump : dumps) {
        std::string bytes;
        for (std::int32_t a = dump.Address; a < dump.Address + dump.Count; ++a)
            bytes += HexText(cpu.Memory[static_cast<std::size_t>(a)], 2);
        ranges.push_back(Json{{"address", HexText(dump.Address, 4)}, {"count", dump.Count}, {"bytes", bytes}});
    }
    report["dumps"] = ranges;
    return report.dump();
}

}  // namespace vantric::console
