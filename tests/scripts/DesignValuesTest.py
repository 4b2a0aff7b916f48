"""What the design-values check takes for a corner radius of its own, and what it leaves."""
import importlib.machinery
import importlib.util
import pathlib
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "design-values"
loader = importlib.machinery.SourceFileLoader("design_values", str(SCRIPT))
spec = importlib.util.spec_from_loader("design_values", loader)
design_values = importlib.util.module_from_spec(spec)
loader.exec_module(design_values)


def flagged(code):
    return list(design_values.bare_radii(code))


class CornerRadii(unittest.TestCase):
    def test_bare_numbers_are_flagged_wherever_the_call_breaks(self):
        self.assertEqual(flagged("p.drawRoundedRect(r, 12, 12);"), [1])
        self.assertEqual(flagged("path.addRoundedRect(QRectF(0, 4, w, 8), 1.5, 1.5);"), [1])
        self.assertEqual(flagged("x;\np.drawRoundedRect(QRectF(a, b),\n    2, 2);"), [2])
        self.assertEqual(flagged('setStyleSheet("QFrame { border-top-left-radius: 6px; }");'), [1])

    def test_named_and_shaped_radii_and_comments_pass(self):
        self.assertEqual(flagged("p.drawRoundedRect(r, Radius::card, Radius::card);"), [])
        self.assertEqual(flagged("p.drawRoundedRect(QRectF(0, 0, 10, 4), r.height() / 2, r.height() / 2);"), [])
        self.assertEqual(flagged("p.drawRoundedRect(m.adjusted(-1, 0, 1, 0), Radius::bar + 0.5, Radius::bar + 0.5);"), [])
        self.assertEqual(flagged("// p.drawRoundedRect(r, 12, 12);"), [])


if __name__ == "__main__":
    unittest.main()
