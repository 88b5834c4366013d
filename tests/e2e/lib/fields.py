# The program's text fields as the accessibility bus shows them, for the end-to-end tests:
#   fields.py where NAME   prints the centre of the field named NAME, in screen pixels
#   fields.py text NAME    prints its text
# NAME "size" stands for the package-size box's field, whatever its name in the user's language.
# Exits with 1 when the program or the field is not (yet) there.
import sys

import pyatspi


def field(accessible, name, in_combo_box=False):
    role = accessible.getRoleName()
    if role == "text" and (accessible.name == name or (name == "size" and in_combo_box)):
        return accessible
    for index in range(accessible.childCount):
        found = field(accessible.getChildAtIndex(index), name, role == "combo box")
        if found:
            return found
    return None


what, name = sys.argv[1], sys.argv[2]
for application in pyatspi.Registry.getDesktop(0):
    if application is None or application.name != "velkaro":
        continue
    found = field(application, name)
    if not found:
        continue
    if what == "where":
        box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x + box.width // 2, box.y + box.height // 2)
    else:
        print(found.queryText().getText(0, -1))
    sys.exit(0)
sys.exit(1)
