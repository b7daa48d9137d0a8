#include "tests/robustness/fuzz_checks.h"

#include <string_view>
#include <vector>

#include "logic/utf8.h"
#include "tests/robustness/byte_choices.h"
#include "tests/robustness/checked_form.h"
#include "tests/robustness/printable.h"
#include "tests/robustness/utf8_scan.h"

namespace {

constexpr int kMostEvents = 500;

std::u16string Utf16Of(const std::u32string& codePoints) {
    std::u16string text;
    for (const char32_t codePoint : codePoints) {
        if (codePoint < 0x10000) {
            text.push_back(static_cast<char16_t>(codePoint));
        } else {
            text.push_back(static_cast<char16_t>(0xD7C0 + (codePoint >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 | (codePoint & 0x3FF)));
        }
    }
    return text;
}

// The text with every surrogate unit that is not half of a pair replaced by U+FFFD, as it reads
// once written out as UTF-8.
std::u16string WithLoneHalvesReplaced(std::u16string_view text) {
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool lead = out[i] >= 0xD800 && out[i] <= 0xDBFF;
        if (lead && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF) {
            ++i;
        } else if (out[i] >= 0xD800 && out[i] <= 0xDFFF) {
            out[i] = u'\uFFFD';
        }
    }
    return out;
}

FormEvent Button(ControlIndex index) {
    FormEvent event;
    event.kind = FormEvent::Kind::ButtonClick;
    event.index = index;
    return event;
}

std::string CheckUtf8Output(const std::u16string& text) {
    const std::string bytes = EncodeUtf8(text);
    const Utf8Scan scan = ScanUtf8(bytes);
    if (!scan.wellFormed) {
        return "EncodeUtf8(" + Printable(text) + ") is ill-formed at byte " +
               std::to_string(scan.firstBadByte);
    }
    const std::u16string expected = WithLoneHalvesReplaced(text);
    if (Utf16Of(scan.codePoints) != expected) {
        return "EncodeUtf8(" + Printable(text) + ") reads back as " +
               Printable(Utf16Of(scan.codePoints));
    }
    const Utf8Decoding decoded = DecodeUtf8(bytes);
    if (!decoded.valid || decoded.text != expected) {
        return "DecodeUtf8 does not read EncodeUtf8(" + Printable(text) + ") back";
    }
    return {};
}

}  // namespace

std::string CheckEncryptionOfUnits(std::span<const std::uint8_t> bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
    }
    CheckedForm form;
    std::string fault = form.PlaceInput(units);
    fault = fault.empty() ? form.Apply(Button(0)) : fault;
    const int rows = form.Form().List1(0).ListCount();
    for (const int row : {25, 26, rows - 1}) {
        for (const ControlIndex index : {ControlIndex{0}, ControlIndex{3}}) {
            FormEvent select;
            select.kind = FormEvent::Kind::UserSelectsRow;
            select.index = index;
            select.row = row;
            fault = fault.empty() ? form.Apply(select) : fault;
        }
    }
    // A second pass over the text it has just written back changes nothing.
    fault = fault.empty() ? form.Apply(Button(0)) : fault;
    fault = fault.empty() ? CheckUtf8Output(units) : fault;
    return fault.empty() ? fault : "input " + Printable(units) + ": " + fault;
}

std::string CheckEventSequence(std::span<const std::uint8_t> bytes) {
    ByteChoices choices(bytes);
    CheckedForm form;
    for (int n = 1; n <= kMostEvents && !choices.Exhausted(); ++n) {
        const FormEvent event = NextFormEvent(choices, form.Form());
        const std::string fault = form.Apply(event);
        if (!fault.empty()) {
            return "event " + std::to_string(n) + ", " + Describe(event) + ": " + fault;
        }
    }
    return {};
}

std::string CheckArgumentDecoding(std::span<const std::uint8_t> bytes) {
    std::vector<std::string_view> arguments;
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (std::size_t start = 0; !bytes.empty() && start <= all.size();) {
        const std::size_t zero = std::min(all.find('\0', start), all.size());
        arguments.push_back(all.substr(start, zero - start));
        start = zero + 1;
    }
    std::u16string joined;
    bool allValid = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const Utf8Decoding decoded = DecodeUtf8(argument);
        const Utf8Scan scan = ScanUtf8(argument);
        const std::string which = "argument " + std::to_string(i + 1);
        if (decoded.valid != scan.wellFormed) {
            return which + (scan.wellFormed ? " is well-formed but was refused"
                                            : " is ill-formed but was accepted");
        }
        if (!decoded.valid) {
            if (decoded.errorOffset != scan.firstBadByte || !decoded.text.empty()) {
                return which + " was refused at byte " + std::to_string(decoded.errorOffset) +
                       ", but goes wrong at byte " + std::to_string(scan.firstBadByte);
            }
            allValid = false;
            continue;
        }
        if (decoded.text != Utf16Of(scan.codePoints)) {
            return which + " decodes to " + Printable(decoded.text) + ", expected " +
                   Printable(Utf16Of(scan.codePoints));
        }
        if (EncodeUtf8(decoded.text) != argument) {
            return which + " does not encode back to its bytes";
        }
        joined += (i > 0 ? u" " : u"") + decoded.text;
    }
    if (!allValid || arguments.empty()) {
        return {};
    }
    // What the console program then does with the text: it types it into the input line over
    // what is there and enciphers it.
    CheckedForm form;
    FormEvent typing;
    typing.kind = FormEvent::Kind::UserEdit;
    typing.count = form.Form().Text2(0).Text().size();
    typing.inserted = joined;
    std::string fault = form.Apply(typing);
    return fault.empty() ? form.Apply(Button(0)) : fault;
}
