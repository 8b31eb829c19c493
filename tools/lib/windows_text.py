"""Texts for Windows users: UTF-8 sources with LF become cp932 with CR LF."""


def convert(source_path):
    """The bytes of a UTF-8 text file as cp932 with CR LF line ends.

    Fails on a character cp932 cannot hold or a CR in the source, so a
    shipped text never carries a replacement character or a doubled line end.
    """
    with open(source_path, encoding="utf-8") as f:
        text = f.read()
    if "\r" in text:
        raise ValueError("%s: the source must use LF line ends" % source_path)
    return text.replace("\n", "\r\n").encode("cp932")
