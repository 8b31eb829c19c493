// The harness of the fuzz targets, which define Fuzz: a fresh fake machine for
// each input, and a check whose failure aborts (libFuzzer keeps the input).
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/state.h"
#include "fake_os.h"

#define FUZZ_CHECK(c) \
    do if (!(c)) std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #c), std::abort(); while (0)

void Fuzz(FuzzedDataProvider&& input);

// The program in C:\q\ beside an editor; text files, also under a 0x5C trail byte (表) and a blank.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fake::Reset();
    qv::process::programPaths.exeFolder = "C:\\q\\";
    qv::process::programPaths.baseName = "Qivora";
    for (const char* path : {"C:\\q\\edit.exe", "C:\\d\\a.txt", "C:\\d\\\x95\x5C\\b.txt", "C:\\d e\\c.md"})
        fake::AddFile(path, "one\n\ttwo &\n");
    Fuzz(FuzzedDataProvider(data, size));
    return 0;
}
