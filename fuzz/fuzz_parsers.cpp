// Every value parser on any value: the field cutter keeps its grammar, and the
// parsers leave the settings within their tables and buffers.
#include <string>

#include "common/text.h"
#include "fuzz_machine.h"
#include "settings/launchers.h"
#include "settings/option_values.h"
#include "settings/program_lookup.h"

namespace {

const qv::FieldGrammar* const kGrammars[] = {&qv::kMenuFields, &qv::kFontFields, &qv::kTextFields,
                                             &qv::kListFields, &qv::kFilterFields, &qv::kKeywordFields};

void CheckCutter(std::string_view value, const qv::FieldGrammar& grammar) {
    qv::FieldCutter cutter(value, grammar);
    std::string token;
    int fields = 0;
    while (cutter.Next(&token)) {
        ++fields;
        FUZZ_CHECK(cutter.FieldNumber() == fields);
        FUZZ_CHECK(fields <= grammar.mostFields);
        FUZZ_CHECK(token.size() <= grammar.tokenLimit);
        FUZZ_CHECK(qv::CharBoundary(token, token.size()) == token.size());
        // A line end ends the value unless a lead byte before it makes it a second byte.
        if (grammar.lineEndEnds)
            for (size_t i = 0; i < token.size(); i += qv::IsLeadByte(token[i]) && i + 1 < token.size() ? 2 : 1)
                FUZZ_CHECK(token[i] != '\r' && token[i] != '\n');
        FUZZ_CHECK(fields <= int(value.size()) + 1);
    }
}

}  // namespace

FUZZ_MACHINE(input) {
    const int parser = input.ConsumeIntegralInRange(0, 10);
    const int set = input.ConsumeIntegralInRange(-1, 10);
    const std::string value = input.ConsumeRemainingBytesAsString();
    for (const qv::FieldGrammar* grammar : kGrammars) CheckCutter(value, *grammar);
    std::string found;
    switch (parser) {
    case 0: qv::ParseMenuOption(value); break;
    case 1: qv::ParseFontOption(value); break;
    case 2: qv::ParseTextOption(value); break;
    case 3: qv::ParseListOption(value); break;
    case 4: qv::ParseFilterOption(value); qv::ParseFilterOption(value); break;
    case 5: qv::ParseKeywordSet(value, set); break;
    case 6: qv::ApplySearchPathOption(value); break;
    case 7:
        fake::AddFile("C:\\q\\list.bat", value);
        qv::ReadSearchPathFile("C:\\q\\list.bat");
        break;
    case 8: qv::ApplyEditorOption(value); break;
    case 9: {
        const bool isFound = qv::ResolveProgramPath(value, set & 1, &found);
        if (isFound) FUZZ_CHECK(found.size() >= 1 && found.size() <= 259);
        else FUZZ_CHECK(found == value);
        break;
    }
    default: qv::ReadExecSection(value); break;
    }
    const int position = qv::process::settings.positionMode;
    FUZZ_CHECK(position == qv::positionUnset || (position >= qv::positionActive && position <= qv::positionCenter));
    if (qv::process::settings.searchPathSet) FUZZ_CHECK(!qv::process::settings.searchPath.empty() || parser == 6);
    FUZZ_CHECK(fake::createdFiles.empty() && fake::launches.empty());
    fuzz::CheckSettings();
}
