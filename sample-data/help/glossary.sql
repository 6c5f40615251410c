-- Velcarin sample help file glossary.hlp: a placeholder for the Tank Cleaning Glossary.
-- Each topic names its manual and topic number; the manual's own text is supplied separately.
BEGIN;
CREATE TABLE manual (title TEXT NOT NULL);
CREATE TABLE topics (context INTEGER PRIMARY KEY, title TEXT NOT NULL, html TEXT NOT NULL);
INSERT INTO manual VALUES ('Tank Cleaning Glossary');
INSERT INTO topics VALUES (1001, 'Right Choice of Cleaning Strategy', '<p>This is topic 1001, <b>Right Choice of Cleaning Strategy</b>, of the Tank Cleaning Glossary (glossary.hlp).</p><p>This help file is a sample that comes with Velcarin. The manual''s own text is supplied separately: put the manual''s help file glossary.hlp in the program folder in place of this one.</p>');
INSERT INTO topics VALUES (1002, 'Pre-Cleaning', '<p>This is topic 1002, <b>Pre-Cleaning</b>, of the Tank Cleaning Glossary (glossary.hlp).</p><p>This help file is a sample that comes with Velcarin. The manual''s own text is supplied separately: put the manual''s help file glossary.hlp in the program folder in place of this one.</p>');
INSERT INTO topics VALUES (1003, 'Final Cleaning', '<p>This is topic 1003, <b>Final Cleaning</b>, of the Tank Cleaning Glossary (glossary.hlp).</p><p>This help file is a sample that comes with Velcarin. The manual''s own text is supplied separately: put the manual''s help file glossary.hlp in the program folder in place of this one.</p>');
COMMIT;
