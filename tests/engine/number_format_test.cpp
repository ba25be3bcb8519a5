// Tests of the number formats.
