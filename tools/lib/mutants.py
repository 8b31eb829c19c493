"""One-line faults (mutants) of C++ source, found by a light lexer, not a parser.

Every candidate is a whole-line replacement, so a mutant is described by the
original and the mutated text of one line and can be found again after the
code around it has moved.
"""
import random
import re
from dataclasses import dataclass

SWAPS = {"<": ("<=", ">"), "<=": ("<", ">="), ">": (">=", "<"), ">=": (">", "<="),
         "==": ("!=",), "!=": ("==",), "&&": ("||",), "||": ("&&",),
         "+": ("-",), "-": ("+",), "+=": ("-=",), "-=": ("+=",)}
# Longest first, so that '<' is never read out of '<<' or '->'.
OPERATOR = re.compile(r"<<=|>>=|<=>|<<|>>|<=|>=|==|!=|&&|\|\||->|\+\+|--|\+=|-=|[<>+\-]")
INTEGER = re.compile(r"(?<![\w.'])\d+[uUlLzZ]*(?![\w.'])")
CONDITION = re.compile(r"\b(?:if|while)\s*\(")
RETURN = re.compile(r"\breturn\s+([^;]+);")
# The heading of a function definition: its return type and name, not closed by ';'.
FUNCTION = re.compile(r"^\s*(?:(?:static|inline|constexpr|virtual|friend)\s+)*(?:const\s+)?"
                      r"(?P<type>[\w:]+(?:<[^()]*>)?)[\s*&]+(?P<name>[\w:~]+)\s*\([^;]*$")
# A declaration starts with a type and a name: deleting it would not compile.
DECLARATION = re.compile(r"^(?:[\w:]+(?:<[^;]*?>)?[\s*&]+)+\w+\s*(?:[=;{(\[]|$)")
HEADER = re.compile(r"^(?:(?:else\s+)?(?:if|while|for)\s*\(|else\b)")
NOT_DELETABLE = {"return", "throw", "goto", "using", "typedef", "namespace", "friend", "template",
                 "struct", "class", "enum", "union", "case", "default", "do", "if", "for",
                 "while", "switch", "else", "try", "static_assert", "public", "private", "protected"}
SIGNED = {"int", "long", "short", "ptrdiff_t", "int8_t", "int16_t", "int32_t", "int64_t", "intptr_t"}
UNSIGNED = {"unsigned", "size_t", "uint8_t", "uint16_t", "uint32_t", "uint64_t", "uintptr_t"}


@dataclass
class Mutant:
    file: str
    line: int        # 1-based
    column: int      # 0-based, in the original line
    operator: str
    original: str    # the whole line, without its line end
    mutated: str

    def key(self):
        return (self.file, self.original.strip(), self.mutated.strip())


def mask(text):
    """The text with comments blanked and the insides of literals as '_'; same length and lines."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out[i:j] = " " * (j - i)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out[i:j] = [ch if ch == "\n" else " " for ch in text[i:j]]
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i)
            closing = ")" + text[i + 2:open_paren] + '"'
            j = text.find(closing, open_paren)
            j = n if j < 0 else j + len(closing)
            out[i + 1:j] = [ch if ch == "\n" else "_" for ch in text[i + 1:j]]
            i = j
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):  # not a digit separator
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out[i + 1:j] = "_" * (j - i - 1)
            i = j + 1
        else:
            i += 1
    return "".join(out)


def blank_unmutable(lines):
    """Blanks preprocessor lines (with their continuations) and static_assert statements."""
    continued = False
    for k, line in enumerate(lines):
        if continued or line.lstrip().startswith("#"):
            continued = line.rstrip().endswith("\\")
            lines[k] = ""
    k = 0
    while k < len(lines):
        if re.search(r"\bstatic_assert\b", lines[k]):
            while k < len(lines) and ";" not in lines[k]:
                lines[k] = ""
                k += 1
            if k < len(lines):
                lines[k] = ""
        k += 1
    return lines


def matching_paren(masked, open_at):
    depth = 0
    for j in range(open_at, len(masked)):
        depth += {"(": 1, ")": -1}.get(masked[j], 0)
        if depth == 0:
            return j
    return None


def spaced(masked, start, end):
    return (start == 0 or masked[start - 1].isspace()) and (end == len(masked) or masked[end].isspace())


def near_literal(masked, start, end):
    before, after = masked[:start].rstrip(), masked[end:].lstrip()
    return before.endswith(("\"", "'")) or after.startswith(("\"", "'"))


def operator_swaps(line, masked):
    for m in OPERATOR.finditer(masked):
        op = m.group()
        if op not in SWAPS or not spaced(masked, m.start(), m.end()):
            continue
        if op in ("<", "<=", ">", ">=") and re.search(r"\b(?:template|operator)\s*$", masked[:m.start()]):
            continue
        if op in ("+", "-", "+=", "-=") and near_literal(masked, m.start(), m.end()):
            continue  # strings are joined with '+'
        for new in SWAPS[op]:
            yield m.start(), f"'{op}' -> '{new}'", line[:m.start()] + new + line[m.end():]


def literal_changes(line, masked):
    for m in INTEGER.finditer(masked):
        if masked[:m.start()].endswith("<"):
            continue  # a template argument, such as a buffer size
        digits = re.match(r"\d+", m.group()).group()
        if len(digits) > 1 and digits.startswith("0"):
            continue  # octal
        value = int(digits)
        for new in ([value + 1] + ([value - 1] if value > 0 else [])):
            text = str(new) + m.group()[len(digits):]
            yield m.start(), f"{digits} -> {new}", line[:m.start()] + text + line[m.end():]


def negated_conditions(line, masked):
    for m in CONDITION.finditer(masked):
        close = matching_paren(masked, m.end() - 1)
        if close is None or masked[m.end():close].strip().startswith("constexpr"):
            continue
        inner = line[m.end():close]
        keyword = m.group().split("(")[0].strip()
        yield m.start(), f"{keyword} condition negated", line[:m.end()] + "!(" + inner + ")" + line[close:]


def return_type(masked_lines, index):
    for k in range(index - 1, -1, -1):
        m = FUNCTION.match(masked_lines[k])
        if m and m.group("name") not in NOT_DELETABLE and m.group("type") not in NOT_DELETABLE:
            return m.group("type").split("::")[-1]
    return None


def return_changes(line, masked, kind):
    m = RETURN.search(masked)
    if not m:
        return
    value = m.group(1).strip()
    start, end = m.start(1), m.end(1)
    flips = {"true": "false", "false": "true"}
    if value in flips:
        replacements = [flips[value]]
    elif INTEGER.fullmatch(value) or value.lstrip("-").isdigit() or value in ("nullptr", "{}"):
        replacements = []  # the literal changes cover numbers
    elif kind == "bool":
        replacements = ["!(" + line[start:end].strip() + ")"]
    elif kind in SIGNED:
        replacements = ["0", "-1"]
    elif kind in UNSIGNED:
        replacements = ["0"]
    else:
        replacements = []
    for new in replacements:
        yield m.start(), f"return value -> {new}", line[:start] + new + line[end:]


def statement_start(masked):
    """Where the statement of a line starts, past an 'if (...)', 'for (...)' or 'else' heading."""
    body = masked.lstrip()
    start = len(masked) - len(body)
    m = HEADER.match(body)
    if not m:
        return start
    if m.group().endswith("("):
        close = matching_paren(masked, start + m.end() - 1)
        if close is None:
            return None
        start = close + 1
    else:
        start += m.end()
    return len(masked) - len(masked[start:].lstrip())


def deletion(line, masked, previous):
    """The line's one simple statement replaced by an empty block, when that compiles."""
    if not previous.rstrip().endswith((";", "{", "}", ")", "else", ":")) or previous.rstrip().endswith("::"):
        return
    start = statement_start(masked)
    if start is None:
        return
    statement = masked[start:].rstrip()
    if not statement.endswith(";") or statement.count("(") != statement.count(")"):
        return
    if any(ch in statement for ch in "{}") or statement.count(";") != 1:
        return
    first = re.match(r"[\w]*", statement).group()
    bare_return = statement.replace(" ", "") == "return;"
    if (first in NOT_DELETABLE and not bare_return) or statement.startswith("(void)"):
        return
    if DECLARATION.match(statement) and first not in ("delete", "return"):
        return
    end = start + len(statement)
    yield start, "statement deleted", line[:start] + "{}" + line[end:]


def candidates(path, text):
    """Every mutant of one file, sorted by line, column and operator."""
    lines = text.split("\n")
    masked = blank_unmutable(mask(text).split("\n"))
    found = []
    previous = "{"
    for k, (line, m) in enumerate(zip(lines, masked)):
        if not m.strip():
            continue
        kind = return_type(masked, k) if "return" in m else None
        makers = [operator_swaps(line, m), literal_changes(line, m), negated_conditions(line, m),
                  return_changes(line, m, kind), deletion(line, m, previous)]
        for maker in makers:
            for column, operator, mutated in maker:
                found.append(Mutant(path, k + 1, column, operator, line, mutated))
        previous = m
    found.sort(key=lambda x: (x.line, x.column, x.operator, x.mutated))
    return found


def quotas(counts, n):
    """Mutants per file: proportional to its candidates, at least one each when n allows."""
    total = sum(counts.values())
    if n >= total:
        return dict(counts)
    least = 1 if n >= len(counts) else 0
    quota = {f: min(c, least) for f, c in counts.items()}
    rest = {f: counts[f] - quota[f] for f in counts}
    left, rest_total = n - sum(quota.values()), sum(rest.values())
    shares = {f: left * rest[f] / rest_total for f in counts} if rest_total else {f: 0 for f in counts}
    for f in counts:
        quota[f] += int(shares[f])
    by_remainder = sorted(counts, key=lambda f: (-(shares[f] - int(shares[f])), f))
    for f in by_remainder[:n - sum(quota.values())]:
        quota[f] += 1
    return quota


def sample(by_file, n, seed):
    """A fixed-seed sample of n mutants spread over the files; by_file maps file -> sorted mutants."""
    rng = random.Random(seed)
    quota = quotas({f: len(ms) for f, ms in by_file.items() if ms}, n)
    chosen = []
    for f in sorted(quota):
        chosen += rng.sample(by_file[f], quota[f])
    return sorted(chosen, key=lambda x: (x.file, x.line, x.column, x.operator, x.mutated))


def locate(mutant, texts):
    """The mutant moved to where its original line is now (nearest its old line), or None.

    texts maps file -> current text; the same file is searched first, then the others.
    """
    want = mutant.original.strip()
    for f in [mutant.file] + sorted(set(texts) - {mutant.file}):
        lines = texts.get(f, "").split("\n")
        hits = [k for k, line in enumerate(lines) if line.strip() == want]
        if hits:
            k = min(hits, key=lambda h: abs(h + 1 - mutant.line))
            indent = lines[k][:len(lines[k]) - len(lines[k].lstrip())]
            end = "\r" if lines[k].endswith("\r") else ""
            return Mutant(f, k + 1, mutant.column, mutant.operator, lines[k],
                          indent + mutant.mutated.strip() + end)
    return None
