#pragma once
#include <QString>
#include <cstdint>

namespace dom {

// What the model needs to know about an HTML tag, looked up once per element.
class TagInfo {
public:
    enum Flag : uint32_t {
        Table = 1u << 0,
        Section = 1u << 1,      // tbody, thead, tfoot
        Row = 1u << 2,          // tr
        Cell = 1u << 3,         // td, th
        NotRendered = 1u << 4,  // head, script, style, template, title, meta, link, ...
        BlockLevel = 1u << 5,   // div, p, table, li, h1, ... (innerText line breaks)
        Preformatted = 1u << 6, // pre, textarea, listing, plaintext, xmp
        Inline = 1u << 7,       // span, a, font, b, ... (PlainLayout)
        Paragraph = 1u << 8,    // p
        LineBreak = 1u << 9,    // br
        Image = 1u << 10,       // img
        FormControl = 1u << 11, // input, select, textarea, button
        Input = 1u << 12,
        NoText = 1u << 13, // select: its text is the control's, innerText gives none
    };
    // Flags of an HTML element's lower-case local name; 0 for unknown names.
    static uint32_t flags(const QString& htmlLocalName);
};

} // namespace dom
