"""StateError and the texts of the library's codes."""

from ._tables import ERROR_TEXTS


def error_text(code):
    """The library's text for a code (-1100 -> "temperature too low"); "unknown code" otherwise."""
    return ERROR_TEXTS.get(int(code), "unknown code")


class StateError(ValueError):
    """A state the library could not compute.

    code   the library's code (a negative whole number, -1000 and below)
    text   its text, as the add-ins and the calculator report it
    prop   the property asked for
    index  for array input, the index (a tuple) of the first failed state; None for scalars
    """

    def __init__(self, code, prop, index=None):
        self.code = int(code)
        self.text = error_text(code)
        self.prop = prop
        self.index = index
        where = "" if index is None else f" at index {index}"
        super().__init__(f"{prop}: {self.text} (code {self.code}){where}")
