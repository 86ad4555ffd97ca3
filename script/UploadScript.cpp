#include "UploadScript.h"

#include <string_view>

#include "CommandLineText.h"
#include "Error.h"
#include "EvenSeconds.h"
#include "IntegerText.h"
#include "NumberText.h"
#include "TextFile.h"

namespace orgola {

namespace {

// One line of the script, with its text for each chip, and how many line ends follow it (two
// leave an empty line).
struct Piece {
    std::string_view attiny2313;
    std::string_view attiny45;
    int lineEnds;
};

constexpr Piece same(std::string_view text, int lineEnds) {
    return {text, text, lineEnds};
}

constexpr Piece byChip(std::string_view attiny2313, std::string_view attiny45, int lineEnds) {
    return {attiny2313, attiny45, lineEnds};
}

constexpr Piece kBeforeCompileLine[] = {
    same("@echo off", 1),
    same("path WinAVR\\bin", 1),
    same("set C_INCLUDE_PATH=WinAVR/avr/include", 2),
    same("cd c", 2),
    byChip("echo ATtiny2313/4313用です。", "echo ATtiny45用です。", 2),
    same("SET /P ANSWER=\"続けてよろしいですか (Y/N)?", 1),  // one quote, never closed
    same("if /i {%ANSWER%}=={y} (goto :yes) ", 1),
    same("if /i {%ANSWER%}=={n} (goto :no) ", 1),
    same(":no", 1),
    same("echo 処理を終了します & pause > nul & exit", 2),
    same(":yes", 2),
};

constexpr Piece kAfterCompileLine[] = {
    same("if ERRORLEVEL 1 pause", 2),
    byChip("avr-objcopy -O ihex 2313.elf tmp2313.hex", "avr-objcopy -O ihex at45.elf tmp45.hex", 1),
    byChip("sed15 -e \"$d\" tmp2313.hex > 2313.hex", "sed15 -e \"$d\" tmp45.hex > at45.hex", 2),
    byChip("erase tmp2313.hex", "erase tmp45.hex", 1),
    byChip("erase 2313.elf", "erase at45.elf", 2),
    same("echo Making orgola.hex...", 2),
    byChip("copy /Y 2313.hex orgola.hex > NUL", "copy /Y at45.hex orgola.hex > NUL", 2),
    same("onigsed -f nota2ev1.sed %1 | onigsed -f nota2ev2.sed | jgawk -f evtstep0.awk |"
         " sed15 -f evtstep1.sed | onigsed -f evtstep2.sed |jgawk -f evthx.awk >> orgola.hex",
         2),
    same("if ERRORLEVEL 3 goto MELO3", 1),
    same("if ERRORLEVEL 2 goto MELO2", 2),
    same(":MELO1", 1),
    same("echo There was one track in the score.", 1),
    same("goto WRITE", 2),
    same(":MELO2", 1),
    same("echo There was two tracks in the score.", 1),
    same("goto WRITE", 2),
    same(":MELO3", 1),
    same("echo There was three tracks in the score.", 2),
    same(":WRITE", 1),
    same("echo Writing...", 2),
};

// The programming line: "-ph" drives an HIDaspx, "-php" the learning circuit; the digits after
// "-fl" are the chip's low fuse byte in binary (0xE4 for the ATtiny2313/4313, 0xE2 for the
// ATtiny45).
constexpr Piece kProgrammingLineHidaspx =
    byChip("hidspx -ph -d4 -fl11100100 orgola.hex", "hidspx -ph -d4 -fl11100010 orgola.hex", 2);
constexpr Piece kProgrammingLineLearningCircuit =
    byChip("hidspx -php -d4 -fl11100100 orgola.hex", "hidspx -php -d4 -fl11100010 orgola.hex", 2);

constexpr Piece kAfterProgrammingLine[] = {
    same("if ERRORLEVEL 1 pause", 1),
    same(":WRITE", 1),
    same("cd ..", 1),
};

constexpr std::string_view kLineEnd = "\r\n";

void appendLineEnds(std::string& buffer, int count) {
    for (int i = 0; i < count; ++i) {
        buffer += kLineEnd;
    }
}

void append(std::string& buffer, const Piece& piece, Chip chip) {
    buffer += chip == Chip::Attiny2313 ? piece.attiny2313 : piece.attiny45;
    appendLineEnds(buffer, piece.lineEnds);
}

template <std::size_t N>
void append(std::string& buffer, const Piece (&pieces)[N], Chip chip) {
    for (const auto& piece : pieces) {
        append(buffer, piece, chip);
    }
}

// The avr-gcc line. Each piece goes into the buffer as soon as it is known, so a failure leaves
// the line as far as it got.
void appendCompileLine(std::string& buffer, Settings& settings) {
    const bool attiny2313 = settings.chip == Chip::Attiny2313;
    buffer += "avr-gcc -Os -mmcu=";
    buffer += attiny2313 ? "attiny2313" : "attiny45";
    // Without a delay the melody repeats from the start; with one, the repeat count ends it.
    const bool noDelay = parseInteger(settings.delay) == 0;
    buffer += noDelay ? " -DSTART_REPEAT_NUM=" : " -DEND_REPEAT_NUM=";
    // The count goes into the line as typed, but must not add commands to a script the user
    // runs without reading it.
    if (!isPlainCommandLineText(settings.repeatCount)) {
        throw Error::unsafeText(settings.repeatCount);
    }
    buffer += settings.repeatCount;

    const EvenSeconds rounded = roundToEvenSeconds(settings.delay);
    settings.delay = rounded.text;
    // The macro takes half the rounded delay.
    const auto timerSteps = static_cast<float>(static_cast<double>(rounded.value) / 2.0);
    if (parseInteger(settings.delay) != 0) {
        buffer += " -DFIXED_DOWN_TIMER_SEC=";
        buffer += formatNumber(timerSteps);
    }

    if (settings.trigger == Trigger::Dark) {
        buffer += " -DWAIT_H_LEVEL";
    }
    buffer += attiny2313 ? " tonefw.c -o 2313.elf" : " tonefw.c -o at45.elf";
    appendLineEnds(buffer, 2);
}

}  // namespace

void assembleUploadScript(Settings& settings, std::string& buffer) {
    buffer.clear();
    append(buffer, kBeforeCompileLine, settings.chip);
    appendCompileLine(buffer, settings);
    append(buffer, kAfterCompileLine, settings.chip);
    append(buffer,
           settings.programmer == Programmer::Hidaspx ? kProgrammingLineHidaspx
                                                      : kProgrammingLineLearningCircuit,
           settings.chip);
    append(buffer, kAfterProgrammingLine, settings.chip);
}

void writeUploadScript(const std::string& path, const std::string& buffer) {
    writeTextFile(path, {buffer});
}

}  // namespace orgola
