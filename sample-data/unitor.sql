-- Velcarin sample data: the Unitor table of cargoes to load, each with the code from which the officer
-- reads its loading group A to G.
-- Every row is made up for trying the program; none of it is operational tank-cleaning advice.
-- The mark of Velcarin's sample databases ("VELS"), which no database converted from Access has.
PRAGMA application_id = 1447382099;
BEGIN;
CREATE TABLE Unitor ("Name" TEXT, "Code" TEXT);
CREATE INDEX "Unitor Name" ON Unitor ("Name");
INSERT INTO Unitor VALUES ('ACETONE', 'C');
INSERT INTO Unitor VALUES ('ACRYLONITRILE', 'C');
INSERT INTO Unitor VALUES ('BENZENE', 'D');
INSERT INTO Unitor VALUES ('BUTYL ACETATE-N', 'C');
INSERT INTO Unitor VALUES ('CAUSTIC SODA', 'A');
INSERT INTO Unitor VALUES ('COCONUT OIL', 'F');
INSERT INTO Unitor VALUES ('CRUDE OIL', 'E');
INSERT INTO Unitor VALUES ('CUMENE', 'D');
INSERT INTO Unitor VALUES ('CYCLOHEXANE', 'D');
INSERT INTO Unitor VALUES ('DIESEL OIL', 'E');
INSERT INTO Unitor VALUES ('ETHANOL', 'B');
INSERT INTO Unitor VALUES ('ETHYLENE GLYCOL', 'B');
INSERT INTO Unitor VALUES ('FUEL OIL', 'E');
INSERT INTO Unitor VALUES ('GASOIL', 'F');
INSERT INTO Unitor VALUES ('GASOLINE', 'E');
INSERT INTO Unitor VALUES ('GLYCERINE', 'B');
INSERT INTO Unitor VALUES ('JET FUEL', 'B');
INSERT INTO Unitor VALUES ('LUBE OIL', 'G');
INSERT INTO Unitor VALUES ('METHANOL', 'A');
INSERT INTO Unitor VALUES ('METHYL ETHYL KETONE', 'C');
INSERT INTO Unitor VALUES ('MOLASSES', 'G');
INSERT INTO Unitor VALUES ('NEATSFOOT OIL, BUYER''S GRADE', 'F');
INSERT INTO Unitor VALUES ('PALM OIL', 'C');
INSERT INTO Unitor VALUES ('PHOSPHORIC ACID', 'A');
INSERT INTO Unitor VALUES ('SOYBEAN OIL', 'C');
INSERT INTO Unitor VALUES ('STYRENE MONOMER', 'D');
INSERT INTO Unitor VALUES ('SULFURIC ACID', 'A');
INSERT INTO Unitor VALUES ('TALLOW', 'F');
INSERT INTO Unitor VALUES ('TOLUENE', 'D');
INSERT INTO Unitor VALUES ('VINYL ACETATE', 'C');
INSERT INTO Unitor VALUES ('WATER WHITE KEROSENE', 'F');
INSERT INTO Unitor VALUES ('XYLENE', 'D');
COMMIT;
