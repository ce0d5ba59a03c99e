"""Reads a Windows NLS code-page file (C_936.NLS, Wine's c_936.nls): the tables behind
MultiByteToWideChar and WideCharToMultiByte, best-fit mappings included. Standard library only."""

import hashlib
import struct


class NlsCodePage:
    """Decode and encode tables of one double-byte code page.

    single[b]    the code unit of the single byte b (lead bytes hold 0)
    lead[b]      True when b starts a double-byte character
    pair(l, t)   the code unit of the pair l t; default_unicode where the pair is unassigned
    encode[u]    the bytes of code unit u as an int (b or lead << 8 | trail); default_char
                 where u has no form
    """

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        self.sha256 = hashlib.sha256(data).hexdigest()
        words = struct.unpack("<%dH" % (len(data) // 2), data)
        header_size = words[0]
        (self.code_page, max_char_size, self.default_char, self.default_unicode) = words[1:5]
        if max_char_size != 2:
            raise ValueError("%s: not a double-byte code page" % path)
        pos = header_size
        wide_table = pos + words[pos] + 1
        pos += 1
        self.single = list(words[pos : pos + 256])
        pos += 256
        has_glyph_table = words[pos]
        pos += 1
        if has_glyph_table:  # not used by the conversions
            pos += 256
        has_dbcs_ranges = words[pos]
        pos += 1
        if not has_dbcs_ranges:
            raise ValueError("%s: no double-byte ranges" % path)
        self._words = words
        self._dbcs = pos
        self.lead = [words[pos + b] != 0 for b in range(256)]
        self.encode = list(words[wide_table : wide_table + 0x10000])
        if len(self.encode) != 0x10000:
            raise ValueError("%s: truncated wide-character table" % path)

    def pair(self, lead, trail):
        off = self._words[self._dbcs + lead]
        return self._words[self._dbcs + off + trail]

    def has_form(self, unit):
        """Whether the code unit has a form of its own (not the default character)."""
        return self.encode[unit] != self.default_char or unit == self.default_unicode
