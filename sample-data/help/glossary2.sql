-- Velcarin sample help file glossary2.hlp: a placeholder for the Tank Cleaning Theory.
-- Each topic names its manual and topic number; the manual's own text is supplied separately.
BEGIN;
CREATE TABLE manual (title TEXT NOT NULL);
CREATE TABLE topics (context INTEGER PRIMARY KEY, title TEXT NOT NULL, html TEXT NOT NULL);
INSERT INTO manual VALUES ('Tank Cleaning Theory');
INSERT INTO topics VALUES (1001, 'Tank Cleaning Theory', '<p>This is topic 1001, <b>Tank Cleaning Theory</b>, of the Tank Cleaning Theory (glossary2.hlp).</p><p>This help file is a sample that comes with Velcarin. The manual''s own text is supplied separately: put the manual''s help file glossary2.hlp in the program folder in place of this one.</p>');
COMMIT;
