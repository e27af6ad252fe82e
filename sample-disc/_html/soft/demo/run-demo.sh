#!/bin/sh
# Quillore sample disc: the 3D demo "Starfield".
# The launch button starts this script in its own folder; it leaves a mark
# there so that one can see it ran.
printf 'ran\n' > demo-ran.txt
