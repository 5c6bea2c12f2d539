-- A "*" (a figure not drawn) may stand in any position of a result's first
-- triple, and the second terminal is that triple's figures 1-2, so it may
-- hold the "*" too ("1*3" gives "1*", "*23" gives "*2"), as the first
-- terminal and the digit already may.
ALTER TABLE premiar
  DROP CONSTRAINT premiar_seg_terminal_check,
  ADD CONSTRAINT premiar_seg_terminal_check CHECK (seg_terminal ~ '^[0-9*]{1,2}$');
